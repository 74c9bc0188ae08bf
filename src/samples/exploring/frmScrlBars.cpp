#include "samples/exploring/frmScrlBars.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "runtime/DateMath.h"
#include "samples/exploring/frmScrlBarToolTip.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

constexpr int SampleCols = 4;
constexpr int SampleRows = 50;
constexpr int SampleColWidth = 72;
// The gap the resize keeps at the right and bottom edges, and between grid and panel.
constexpr double EdgeTwips = 120;

QString trueFalse(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString reasonName(int reason) {
    static const char* const names[] = {"LineUpOrLeft",    "LineDownOrRight", "PageUpOrLeft",
                                        "PageDownOrRight", "ThumbPosition",   "ThumbTrack"};
    return reason >= 0 && reason < int(std::size(names)) ? QString::fromLatin1(names[reason])
                                                         : QString();
}

QRect twipsRect(double left, double top, double width, double height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

// The controls of one bar's frame.
struct BarFrame {
    QGroupBox* frame;
    QLineEdit* value;
    QPushButton* set;
    QList<QRadioButton*> modes;
    QCheckBox* enabled;
    QPushButton* info;
};

BarFrame makeBarFrame(const char* title, QWidget* parent) {
    BarFrame f{new QGroupBox(QString::fromLatin1(title), parent),
               new QLineEdit(QStringLiteral("0")),
               new QPushButton(QStringLiteral("Set")),
               {},
               new QCheckBox(QStringLiteral("Enabled")),
               new QPushButton(QStringLiteral("Show Info"))};
    auto* layout = new QVBoxLayout(f.frame);
    layout->setSpacing(2);
    auto* valueRow = new QHBoxLayout;
    auto* valueLabel = new QLabel(QStringLiteral("Value:"));
    valueLabel->setBuddy(f.value);
    valueRow->addWidget(valueLabel);
    valueRow->addWidget(f.value, 1);
    valueRow->addWidget(f.set);
    f.set->setFixedWidth(TwipsToPixelsX(600));
    layout->addLayout(valueRow);
    layout->addWidget(new QLabel(QStringLiteral("Display Mode:")));
    for (const char* mode : {"Never", "Normal", "Always"}) {
        f.modes << new QRadioButton(QString::fromLatin1(mode));
        layout->addWidget(f.modes.back());
    }
    f.modes[ScrollBarWhenNeeded]->setChecked(true);
    f.enabled->setChecked(true);
    layout->addWidget(f.enabled);
    layout->addWidget(f.info, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return f;
}

} // namespace

frmScrlBars::frmScrlBars(QWidget* parent)
    : QWidget(parent, Qt::Window),
      Label1(new QLabel(
          QStringLiteral(
              "To see how scroll bars related events and properties work, resize the form or "
              "change the position of the scroll box in the vertical or horizontal scroll bar. "
              "You can also change the width of scroll bars in the Windows Display Settings "
              "dialog and see what events are fired."),
          this)),
      Tessix1(new TessixGrid(this)), picInfo(new QWidget(this)), grdEvents(new TessixGrid) {
    setWindowTitle(QStringLiteral("Playing with Scroll Bars"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(TwipsToPixelsX(9915), TwipsToPixelsY(6600));

    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(twipsRect(120, 120, 9675, 600));
    Tessix1->setGeometry(twipsRect(120, 780, 4035, 5715));
    picInfo->setGeometry(twipsRect(4260, 780, 5535, 5715));

    Label2 = {nullptr, new QLabel(QStringLiteral("Change Scroll Bar Properties:"), picInfo),
              new QLabel(QStringLiteral("Scroll Bar Events:"), picInfo)};
    Label2[1]->setGeometry(twipsRect(60, 0, 5355, 240));
    Label2[2]->setGeometry(twipsRect(60, 2760, 5355, 240));
    grdEvents->setParent(picInfo);
    grdEvents->setGeometry(twipsRect(60, 3000, 5355, 2595));

    const BarFrame h = makeBarFrame("Horizontal Scroll Bar", picInfo);
    Frame2 = h.frame;
    txtHSBValue = h.value;
    cmdSetHSBValue = h.set;
    optHSBDispMode = h.modes;
    chkHScrlBarEnabled = h.enabled;
    cmbShowHSBInfo = h.info;
    Frame2->setGeometry(twipsRect(60, 240, 2625, 2460));
    const BarFrame v = makeBarFrame("Vertical Scroll Bar", picInfo);
    Frame1 = v.frame;
    txtVSBValue = v.value;
    cmdSetVSBValue = v.set;
    optVSBDispMode = v.modes;
    chkVScrlBarEnabled = v.enabled;
    cmdShowVSBInfo = v.info;
    Frame1->setGeometry(twipsRect(2790, 240, 2625, 2460));

    for (const auto& pair : {std::pair{int(ScrollBarHorizontal), h}, {ScrollBarVertical, v}}) {
        const int bar = pair.first; // a plain variable: lambdas capture it on every compiler
        const auto& f = pair.second;
        connect(f.set, &QPushButton::clicked, this, [this, bar] { cmdSetValue_Click(bar); });
        for (int index = 0; index < f.modes.size(); ++index)
            connect(f.modes[index], &QRadioButton::toggled, this, [this, bar, index](bool on) {
                if (on)
                    optDispMode_Click(bar, index);
            });
        connect(f.enabled, &QCheckBox::stateChanged, this,
                [this, bar] { chkScrlBarEnabled_Click(bar); });
        connect(f.info, &QPushButton::clicked, this, [this, bar] { cmdShowInfo_Click(bar); });
    }

    connect(Tessix1, &TessixGrid::ScrollBarBeforeScroll, this,
            &frmScrlBars::Tessix1_ScrollBarBeforeScroll);
    connect(Tessix1, &TessixGrid::ScrollBarPosChanged, this,
            &frmScrlBars::Tessix1_ScrollBarPosChanged);
    connect(Tessix1, &TessixGrid::ScrollBarThumbTrack, this,
            &frmScrlBars::Tessix1_ScrollBarThumbTrack);
    connect(Tessix1, &TessixGrid::ScrollBarEndScroll, this,
            &frmScrlBars::Tessix1_ScrollBarEndScroll);
    connect(Tessix1, &TessixGrid::ScrollBarThicknessChanged, this, [this](int bar, int value) {
        AddLogEntry(bar, QStringLiteral("ScrollBarThicknessChanged"),
                    QStringLiteral("Value: %1").arg(value));
    });
    connect(Tessix1, &TessixGrid::ScrollBarVisibilityChanged, this, [this](int bar, bool visible) {
        AddLogEntry(bar, QStringLiteral("ScrollBarVisibilityChanged"),
                    QStringLiteral("Visible: ") + trueFalse(visible));
    });
    connect(Tessix1, &TessixGrid::ScrollBarEnabledChanged, this, [this](int bar, bool enabled) {
        AddLogEntry(bar, QStringLiteral("ScrollBarEnabledChanged"),
                    QStringLiteral("Enabled: ") + trueFalse(enabled));
    });

    Form_Load();
}

frmScrlBars::~frmScrlBars() = default;

void frmScrlBars::Form_Load() {
    grdEvents->BeginUpdate();
    ApplyGridLook(grdEvents);
    grdEvents->SetEditable(false);
    grdEvents->SetRowMode(true);
    grdEvents->Header().SetFlat(true);
    grdEvents->Header().SetButtons(false);
    grdEvents->SetHeaderClickOption(false);
    grdEvents->SetSortOnHeaderClick(false);
    grdEvents->SetDefaultRowHeight(grdEvents->GetOptimalRowHeight());
    grdEvents->AddCol(QStringLiteral("time"), QStringLiteral("Time"), 60);
    grdEvents->AddCol(QStringLiteral("event"), QStringLiteral("Event"), 144);
    grdEvents->AddCol(QStringLiteral("bar"), QStringLiteral("Bar"), 28);
    grdEvents->AddCol(QStringLiteral("parms"), QStringLiteral("Parameters"));
    grdEvents->VScrollBar().SetDisplayMode(ScrollBarAlways);
    grdEvents->EndUpdate();
    grdEvents->StretchCol(QStringLiteral("parms"));

    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());
    for (int col = 1; col <= SampleCols; ++col)
        Tessix1->AddCol({}, QStringLiteral("Col #%1 of %2").arg(col).arg(SampleCols),
                        SampleColWidth);
    Tessix1->SetRowCount(SampleRows);
    for (int row = 1; row <= SampleRows; ++row)
        for (int col = 1; col <= SampleCols; ++col)
            Tessix1->SetCellValue(row, col, QStringLiteral("R%1C%2").arg(row).arg(col));
    Tessix1->EndUpdate();

    MakeNumericTextBox(txtHSBValue, 0);
    MakeNumericTextBox(txtVSBValue, 0);
}

void frmScrlBars::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmScrlBars::Form_Resize() {
    // Each step that does not fit (a window too small) is skipped; the others still run.
    const int edge = TwipsToPixelsX(EdgeTwips);
    const QSize oldPanel = picInfo->size();
    const int panelLeft = width() - picInfo->width() - edge;
    const int panelHeight = height() - picInfo->y() - edge;
    if (panelLeft >= 0)
        picInfo->move(panelLeft, picInfo->y());
    if (panelHeight >= 0)
        picInfo->resize(picInfo->width(), panelHeight);
    const int gridWidth = picInfo->x() - 2 * edge;
    const int gridHeight = height() - Tessix1->y() - edge;
    if (gridWidth >= 0 && gridHeight >= 0)
        Tessix1->setGeometry(edge, Tessix1->y(), gridWidth, gridHeight);
    const int logHeight = picInfo->height() - grdEvents->y() - edge;
    if (picInfo->size() != oldPanel && logHeight >= 0)
        grdEvents->resize(grdEvents->width(), logHeight);
}

GridScrollBar& frmScrlBars::scrollBar(int bar) const {
    return bar == ScrollBarHorizontal ? Tessix1->HScrollBar() : Tessix1->VScrollBar();
}

QLineEdit* frmScrlBars::valueBox(int bar) const {
    return bar == ScrollBarHorizontal ? txtHSBValue : txtVSBValue;
}

void frmScrlBars::cmdSetValue_Click(int bar) {
    GridScrollBar& scroll = scrollBar(bar);
    QLineEdit* box = valueBox(bar);
    // An empty box sets nothing; a number too large for the grid asks for the most it takes.
    if (!box->text().isEmpty()) {
        bool ok = false;
        const qlonglong wanted = box->text().toLongLong(&ok);
        const int most = std::numeric_limits<int>::max();
        scroll.SetValue(ok && wanted < most ? int(wanted) : most);
    }
    box->setText(QString::number(scroll.Value()));
}

void frmScrlBars::optDispMode_Click(int bar, int index) {
    scrollBar(bar).SetDisplayMode(index);
}

void frmScrlBars::chkScrlBarEnabled_Click(int bar) {
    const QCheckBox* box = bar == ScrollBarHorizontal ? chkHScrlBarEnabled : chkVScrlBarEnabled;
    // A grayed box counts as checked.
    scrollBar(bar).SetEnabled(box->checkState() != Qt::Unchecked);
}

void frmScrlBars::cmdShowInfo_Click(int bar) {
    const GridScrollBar& scroll = scrollBar(bar);
    const bool vertical = bar != ScrollBarHorizontal;
    const QStringList lines{
        QStringLiteral("Value: %1").arg(scroll.Value()),
        QStringLiteral("Min. value: %1").arg(scroll.Min()),
        QStringLiteral("Max. value: %1").arg(scroll.Max()),
        QStringLiteral("Large change: %1").arg(scroll.LargeChange()),
        QStringLiteral("Small change: %1").arg(scroll.SmallChange()),
        QStringLiteral("Enabled: ") + trueFalse(scroll.Enabled()),
        QStringLiteral("Visible: ") + trueFalse(scroll.Visible()),
        (vertical ? QStringLiteral("Width: %1") : QStringLiteral("Height: %1"))
            .arg(scroll.Thickness()),
    };
    MsgBox(lines.join(QStringLiteral("\r\n")), vbOKOnly,
           vertical ? QStringLiteral("Vertical Scroll Bar Info")
                    : QStringLiteral("Horizontal Scroll Bar Info"));
}

void frmScrlBars::AddLogEntry(int bar, const QString& eventName, const QString& params) {
    grdEvents->BeginUpdate();
    if (grdEvents->RowCount() == MaxLogRows)
        grdEvents->RemoveRow(1);
    grdEvents->AddRow();
    const int n = grdEvents->RowCount();
    const double now = vb::Now();
    grdEvents->SetCellValue(n, "time", Variant::fromDate(now - std::floor(now)));
    grdEvents->SetCellValue(n, "bar",
                            bar == ScrollBarHorizontal ? QStringLiteral("H") : QStringLiteral("V"));
    grdEvents->SetCellValue(n, "event", eventName);
    grdEvents->SetCellValue(n, "parms", params);
    grdEvents->EndUpdate();
    grdEvents->EnsureVisibleRow(n);
}

void frmScrlBars::Tessix1_ScrollBarBeforeScroll(int bar, int reason, bool mouseWheel) {
    AddLogEntry(bar, QStringLiteral("ScrollBarBeforeScroll"),
                QStringLiteral("ScrollReason: ") + reasonName(reason) +
                    QStringLiteral("  MouseWheel: ") + trueFalse(mouseWheel));
}

void frmScrlBars::Tessix1_ScrollBarPosChanged(int bar, int value) {
    AddLogEntry(bar, QStringLiteral("ScrollBarPosChanged"), QStringLiteral("Value: %1").arg(value));
    valueBox(bar)->setText(QString::number(value));
}

void frmScrlBars::Tessix1_ScrollBarThumbTrack(int bar, int value) {
    AddLogEntry(bar, QStringLiteral("ScrollBarThumbTrack"), QStringLiteral("Value: %1").arg(value));
    if (!ToolTipShown) {
        showToolTip(bar);
        ToolTipShown = true;
    }
    m_toolTip->LabelPos->setText(QString::number(value));
    // The tooltip repaints during the drag; the drag's own input waits.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmScrlBars::showToolTip(int bar) {
    if (!m_toolTip)
        m_toolTip = std::make_unique<frmScrlBarToolTip>();
    const QPoint grid = Tessix1->mapToGlobal(QPoint(0, 0));
    const QSize tip = m_toolTip->size();
    const QPoint at =
        bar == ScrollBarVertical
            ? QPoint(grid.x() + Tessix1->width() - tip.width() - Tessix1->VScrollBar().Thickness(),
                     grid.y() + Tessix1->height() / 2 - tip.height() / 2)
            : QPoint(grid.x() + Tessix1->width() / 2 - tip.width() / 2,
                     grid.y() + Tessix1->height() + TwipsToPixelsY(500));
    m_toolTip->move(at);
    m_toolTip->show();
}

void frmScrlBars::Tessix1_ScrollBarEndScroll(int bar) {
    AddLogEntry(bar, QStringLiteral("ScrollBarEndScroll"), QString());
    m_toolTip.reset();
    ToolTipShown = false;
}
