#include "launcher/frmTip.h"

#include "app/Global.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QFont>
#include <QIcon>

namespace {
QPointer<frmTip> g_instance;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

int profileNumber(const QString& section, const QString& key) {
    bool ok = false;
    const int value = ReadIniString(TipsFilePath(), section, key, QStringLiteral("0")).toInt(&ok);
    return ok ? value : 0;
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
    m_currentTip = profileNumber(m_section, QStringLiteral("LastTip")) + step;
    m_tipsCount = profileNumber(m_section, QStringLiteral("TipsCount"));
    if (m_currentTip > m_tipsCount)
        m_currentTip = 1;
    else if (m_currentTip < 1)
        m_currentTip = m_tipsCount;
    QString text = ReadIniString(TipsFilePath(), m_section, QString::number(m_currentTip), {});
    txtTipText->setPlainText(text.replace(QLatin1Char('|'), QStringLiteral("\n\n")));
    lblTipNo->setText(QStringLiteral("Tip %1 of %2").arg(m_currentTip).arg(m_tipsCount));
    // A read-only data folder makes this fail; the next opening then repeats the tip.
    WriteIniString(TipsFilePath(), m_section, QStringLiteral("LastTip"),
                   QString::number(m_currentTip));
}

void frmTip::Timer1_Timer() {
    show();
    raise();
    activateWindow();
}
