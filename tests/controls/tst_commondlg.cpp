// The common dialog wrapper: what each dialog is asked for from the properties, what the
// properties hold after the user confirmed, and the errors and quiet cancels of each dialog.

#include "controls/CommonDlg.h"

#include "platform/Colors.h"

#include <QTest>

namespace {

struct ScriptedDialogs {
    platform::ScriptedCommonDialogs dialogs;
    platform::ScopedCommonDialogs scope{dialogs};
};

// The error a file dialog raised, or number 0 when it raised none.
template <class Show> CommonDlgError raised(Show show) {
    try {
        show();
    } catch (const CommonDlgError& error) {
        return error;
    }
    return CommonDlgError(0, QString());
}

} // namespace

class TestCommonDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colorDialog();
    void customColors();
    void fontDialogIn();
    void fontDialogOut();
    void fileDialogRequest();
    void oneFileChosen();
    void severalFilesChosen();
    void fileDialogErrors_data();
    void fileDialogErrors();
};

void TestCommonDlg::colorDialog() {
    ScriptedDialogs t;
    CommonDlg dlg;
    QWidget owner;
    dlg.hWndOwner = &owner;
    // A system colour arrives as the colour it stands for.
    dlg.Color = 0x80000010;
    dlg.ColorFlags = cdlCCRGBInit | cdlCCFullOpen;
    t.dialogs.answerColor(QColor(10, 20, 30));
    QVERIFY(dlg.ShowColor());
    QCOMPARE(t.dialogs.colorRequests().size(), 1);
    const platform::ColorDialogRequest& asked = t.dialogs.colorRequests()[0];
    QCOMPARE(asked.owner, &owner);
    QCOMPARE(asked.initial, OleColorToQColor(0x80000010));
    QCOMPARE(dlg.Color, RGB(10, 20, 30));

    // Cancel keeps the colour; without the preselect flag the dialog gets none.
    dlg.ColorFlags = 0;
    t.dialogs.cancelColor();
    QVERIFY(!dlg.ShowColor());
    QCOMPARE(dlg.Color, RGB(10, 20, 30));
    QVERIFY(!t.dialogs.colorRequests()[1].initial);
    QVERIFY(t.dialogs.unexpected().isEmpty());
}

void TestCommonDlg::customColors() {
    ScriptedDialogs t;
    CommonDlg dlg;
    QCOMPARE(dlg.CustomColors(), QList<quint32>(16, RGB(255, 255, 255)));
    // A shorter list leaves the other colours as they were.
    dlg.SetCustomColors(QList<quint32>(16, RGB(1, 1, 1)));
    dlg.SetCustomColors({RGB(255, 0, 0), RGB(0, 255, 0)});
    QList<quint32> expected(16, RGB(1, 1, 1));
    expected[0] = RGB(255, 0, 0);
    expected[1] = RGB(0, 255, 0);
    QCOMPARE(dlg.CustomColors(), expected);

    // The dialog gets them and keeps what the user changed there, even when cancelled.
    platform::CustomColorArray edited;
    edited.fill(QColor(0, 0, 255));
    t.dialogs.cancelColor();
    QVERIFY(!dlg.ShowColor());
    QCOMPARE(t.dialogs.colorRequests()[0].customColors[0], QColor(255, 0, 0));
    t.dialogs.answerColor(QColor(0, 0, 0), edited);
    QVERIFY(dlg.ShowColor());
    QCOMPARE(dlg.CustomColors(), QList<quint32>(16, RGB(0, 0, 255)));
    // A copy: changing it changes nothing.
    QList<quint32> copy = dlg.CustomColors();
    copy[0] = 0;
    QCOMPARE(dlg.CustomColors()[0], RGB(0, 0, 255));
}

void TestCommonDlg::fontDialogIn() {
    ScriptedDialogs t;
    CommonDlg dlg;
    dlg.FontName = QStringLiteral("Arial");
    dlg.FontSize = 8.25f;
    dlg.FontBold = true; // weight 0: bold from FontBold
    dlg.FontItalic = true;
    dlg.FontUnderline = true;
    t.dialogs.cancelFont();
    QVERIFY(!dlg.ShowFont());
    const QFont asked = t.dialogs.fontRequests()[0].font;
    QCOMPARE(asked.family(), QStringLiteral("Arial"));
    QCOMPARE(asked.pointSize(), 8);
    QCOMPARE(asked.weight(), QFont::Bold);
    QVERIFY(asked.italic());
    QVERIFY(asked.underline());
    QVERIFY(!asked.strikeOut());
    // Cancel changes nothing.
    QCOMPARE(dlg.FontSize, 8.25f);
    QCOMPARE(dlg.FontName, QStringLiteral("Arial"));

    // A weight given wins over FontBold; a size of 0 leaves the dialog's default size.
    dlg.FontWeight = 300;
    dlg.FontSize = 0;
    t.dialogs.cancelFont();
    dlg.ShowFont();
    QCOMPARE(t.dialogs.fontRequests()[1].font.weight(), 300);
    QCOMPARE(t.dialogs.fontRequests()[1].font.pointSizeF(), QFont().pointSizeF());
}

void TestCommonDlg::fontDialogOut() {
    ScriptedDialogs t;
    CommonDlg dlg;
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSizeF(10.5);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    t.dialogs.answerFont(chosen);
    QVERIFY(dlg.ShowFont());
    QCOMPARE(dlg.FontName, QStringLiteral("Liberation Serif"));
    QCOMPARE(dlg.FontSize, 10.0f);
    QVERIFY(dlg.FontBold);
    QCOMPARE(dlg.FontWeight, int(QFont::Bold));
    QVERIFY(!dlg.FontItalic);
    QVERIFY(dlg.FontStrikeThrough);
    QVERIFY(!dlg.FontUnderline);
    QCOMPARE(dlg.FontType() & (cdlBoldFontType | cdlItalicFontType), cdlBoldFontType);

    // Sizes outside Min..Max come back inside when the limit is asked for.
    chosen.setPointSize(72);
    dlg.FontFlags = cdlCFLimitSize;
    dlg.Min = 8;
    dlg.Max = 24;
    t.dialogs.answerFont(chosen);
    QVERIFY(dlg.ShowFont());
    QCOMPARE(dlg.FontSize, 24.0f);
}

void TestCommonDlg::fileDialogRequest() {
    ScriptedDialogs t;
    CommonDlg dlg;
    dlg.DialogTitle = QStringLiteral("Open a list");
    dlg.InitDir = QStringLiteral("/data");
    dlg.FileName = QStringLiteral("list.txt");
    dlg.Filter = QStringLiteral(" Text files|*.txt;*.log|All files (*.*)|*.* ");
    dlg.FilterIndex = 2;
    dlg.DefaultExt = QStringLiteral("txt");
    dlg.OpenFlags = cdlOFNFileMustExist;
    dlg.Flags = cdlOFNAllowMultiselect;
    t.dialogs.cancelFileDialog();
    dlg.ShowOpen();
    const platform::FileDialogRequest& asked = t.dialogs.fileRequests()[0];
    QVERIFY(!asked.save);
    QCOMPARE(asked.title, QStringLiteral("Open a list"));
    QCOMPARE(asked.initialDir, QStringLiteral("/data"));
    QCOMPARE(asked.fileName, QStringLiteral("list.txt"));
    QCOMPARE(asked.nameFilters, QStringList({QStringLiteral("Text files (*.txt *.log)"),
                                             QStringLiteral("All files (*.*)")}));
    QCOMPARE(asked.filterIndex, 1);
    QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
    QVERIFY(asked.multiSelect && asked.mustExist && !asked.confirmOverwrite);

    dlg.OpenFlags = cdlOFNOverwritePrompt;
    dlg.Flags = 0;
    t.dialogs.cancelFileDialog();
    dlg.ShowSave();
    QVERIFY(t.dialogs.fileRequests()[1].save);
    QVERIFY(t.dialogs.fileRequests()[1].confirmOverwrite);
}

void TestCommonDlg::oneFileChosen() {
    ScriptedDialogs t;
    CommonDlg dlg;
    dlg.Filter = QStringLiteral("Text|*.txt|Data|*.dat");
    dlg.DefaultExt = QStringLiteral("txt");
    dlg.OpenFlags = cdlOFNOverwritePrompt;
    t.dialogs.answerFiles({QStringLiteral("/home/ann/lists/march.dat")}, 1);
    dlg.ShowSave();
    QCOMPARE(dlg.FileName, QStringLiteral("/home/ann/lists/march.dat"));
    QCOMPARE(dlg.FileTitle, QStringLiteral("march.dat"));
    QCOMPARE(dlg.FileList(),
             QStringList({QStringLiteral("/home/ann/lists"), QStringLiteral("march.dat")}));
    QCOMPARE(dlg.FileOffset(), 16);
    QCOMPARE(dlg.FileExtOffset(), 22);
    QCOMPARE(dlg.FilterIndex, 2);
    QCOMPARE(dlg.OpenFlags, cdlOFNOverwritePrompt | cdlOFNExplorer | cdlOFNExtensionDifferent);
    QCOMPARE(dlg.Flags, dlg.OpenFlags);
}

void TestCommonDlg::severalFilesChosen() {
    ScriptedDialogs t;
    CommonDlg dlg;
    dlg.OpenFlags = cdlOFNAllowMultiselect;
    t.dialogs.answerFiles({QStringLiteral("/tmp/in/a.txt"), QStringLiteral("/tmp/in/b c.txt")});
    dlg.ShowOpen();
    QCOMPARE(dlg.FileList(), QStringList({QStringLiteral("/tmp/in"), QStringLiteral("a.txt"),
                                          QStringLiteral("b c.txt")}));
    QCOMPARE(dlg.FileName, QStringLiteral("/tmp/in") + QChar(0) + QStringLiteral("a.txt") +
                               QChar(0) + QStringLiteral("b c.txt"));
    QCOMPARE(dlg.FileOffset(), 8);
}

void TestCommonDlg::fileDialogErrors_data() {
    QTest::addColumn<int>("error");         // the dialog's own failure code, 0 none
    QTest::addColumn<QStringList>("files"); // empty: cancelled
    QTest::addColumn<bool>("cancelError");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    const QStringList one{QStringLiteral("/tmp/some/file.txt")};
    QTest::newRow("cancel, quietly") << 0 << QStringList() << false << 20000 << 0 << QString();
    QTest::newRow("cancel raising")
        << 0 << QStringList() << true << 20000 << 32755 << QStringLiteral("Cancel was selected.");
    QTest::newRow("dialog failure") << 0x3002 << QStringList() << false << 20000 << 0x3002
                                    << QStringLiteral("Unexpected error.");
    QTest::newRow("names too long")
        << 0 << one << false << 19 << 20476
        << QStringLiteral("Filename buffer is too small for the selected files.");
    QTest::newRow("names just fit") << 0 << one << false << 20 << 0 << QString();
}

void TestCommonDlg::fileDialogErrors() {
    QFETCH(int, error);
    QFETCH(QStringList, files);
    QFETCH(bool, cancelError);
    QFETCH(int, bufferSize);
    QFETCH(int, number);
    QFETCH(QString, description);
    ScriptedDialogs t;
    if (error)
        t.dialogs.failFileDialog(error);
    else if (files.isEmpty())
        t.dialogs.cancelFileDialog();
    else
        t.dialogs.answerFiles(files);
    CommonDlg dlg;
    dlg.FileName = QStringLiteral("before.txt");
    dlg.CancelError = cancelError;
    dlg.FileNameBufferSize = bufferSize;
    const CommonDlgError e = raised([&] { dlg.ShowOpen(); });
    QCOMPARE(e.Number, number);
    QCOMPARE(e.Description, description);
    // Only a chosen name that fits changes FileName.
    QCOMPARE(dlg.FileName,
             number == 0 && !files.isEmpty() ? files[0] : QStringLiteral("before.txt"));
}

QTEST_MAIN(TestCommonDlg)
#include "tst_commondlg.moc"
