#include "launcher/frmTip.h"

#include "app/Global.h"
#include "platform/IniFile.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QDir>
#include <QFont>
#include <QIcon>

#include <algorithm>

namespace {
QPointer<frmTip> g_instance;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

// A count or tip number of the tips file; anything else, a negative number included, is 0.
int profileNumber(const IniProfile& tips, const QString& section, const QString& key) {
    bool ok = false;
    const int value = tips.value(section, key, QStringLiteral("0")).toInt(&ok);
    return ok ? std::max(value, 0) : 0;
}

QFont sansSerif(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}
} // namespace

frmTip& frmTip::Instance() {
    if (!g_instance) {
        g_instance = new frmTip;
        g_instance->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *g_instance;
}

frmTip* frmTip::Loaded() {
    return g_instance.data();
}

frmTip::frmTip(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Image1(new QLabel(this)), lblDemoCaption(new QLabel(QStringLiteral("Demo Caption"), this)),
      Label2(new QLabel(this)), txtTipText(new QPlainTextEdit(this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)),
      lblTipNo(new QLabel(QStringLiteral("Tip 100 of 100"), this)),
      cmdNext(new QPushButton(QStringLiteral("Next >>"), this)),
      cmdPrev(new QPushButton(QStringLiteral("<< Previous"), this)), Timer1(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    SetFixedWindowSize(this, twipsRect(0, 0, 6555, 4170).size());
    setFont(sansSerif(false));

    Image1->setGeometry(twipsRect(180, 120, 480, 480));
    Image1->setPixmap(QIcon(QStringLiteral(":/launcher/TipBulb.svg")).pixmap(32, 32));
    lblDemoCaption->setFont(sansSerif(true));
    lblDemoCaption->move(twipsRect(780, 240, 0, 0).topLeft());
    lblDemoCaption->resize(twipsRect(0, 0, 5600, 300).size());

    // The white panel behind the tip; the text box sits inside it without a frame.
    Label2->setGeometry(twipsRect(180, 720, 4755, 3255));
    Label2->setAutoFillBackground(true);
    Label2->setBackgroundRole(QPalette::Base);
    Label2->setFrameShape(QFrame::Panel);
    Label2->setFrameShadow(QFrame::Sunken);
    txtTipText->setGeometry(twipsRect(300, 840, 4515, 3015));
    txtTipText->setFrameShape(QFrame::NoFrame);
    txtTipText->setReadOnly(true);

    cmdClose->setGeometry(twipsRect(5160, 720, 1215, 375));
    lblTipNo->setGeometry(twipsRect(5055, 1980, 1410, 195));
    lblTipNo->setAlignment(Qt::AlignCenter);
    cmdNext->setGeometry(twipsRect(5160, 3060, 1215, 375));
    cmdPrev->setGeometry(twipsRect(5160, 3600, 1215, 375));
    cmdClose->setDefault(true);

    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmTip::Timer1_Timer);
    connect(cmdNext, &QPushButton::clicked, this, [this] { ShowTip(+1); });
    connect(cmdPrev, &QPushButton::clicked, this, [this] { ShowTip(-1); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmTip::Exec(QWidget* form) {
    m_section = QString::fromLatin1(form->metaObject()->className());
    lblDemoCaption->setText(form->windowTitle());
    ShowTip(+1);
    // Shown on the first tick, once the sample window is up, so it comes up in front.
    Timer1->start();
}

void frmTip::ShowTip(int step) {
    // One read of the file for the whole tip, and one write of the tip shown.
    IniProfile tips(TipsFilePath());
    m_tipsCount = profileNumber(tips, m_section, QStringLiteral("TipsCount"));
    // In 64 bits: a last tip at the largest number still steps without overflowing.
    const qint64 next = qint64(profileNumber(tips, m_section, QStringLiteral("LastTip"))) + step;
    if (next > m_tipsCount)
        m_currentTip = 1;
    else if (next < 1)
        m_currentTip = m_tipsCount;
    else
        m_currentTip = int(next);
    QString text = tips.value(m_section, QString::number(m_currentTip), {});
    if (!tips.error().isEmpty())
        text = QStringLiteral("The tips could not be read from %1 (%2).")
                   .arg(QDir::toNativeSeparators(TipsFilePath()), tips.error());
    txtTipText->setPlainText(text.replace(QLatin1Char('|'), QStringLiteral("\n\n")));
    lblTipNo->setText(QStringLiteral("Tip %1 of %2").arg(m_currentTip).arg(m_tipsCount));
    // A read-only data folder makes this fail; the next opening then repeats the tip.
    if (tips.setValue(m_section, QStringLiteral("LastTip"), QString::number(m_currentTip)))
        tips.save();
}

void frmTip::Timer1_Timer() {
    show();
    raise();
    activateWindow();
}
