#include "platform/DesktopStyle.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

class TestMessageBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsAndAnswers() {
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        boxes.answer(vbNo);
        const int result = MsgBox("Do you want to save changes?\r\nAll of them?",
                                  vbYesNoCancel | vbQuestion | vbDefaultButton2, "My Customers");
        QCOMPARE(result, int(vbNo));
        QCOMPARE(boxes.shown().size(), 1);
        const platform::MessageBoxRequest& box = boxes.shown().front().request;
        QCOMPARE(box.text, QString("Do you want to save changes?\r\nAll of them?"));
        QCOMPARE(box.title, QString("My Customers"));
        QCOMPARE(box.icon(), int(vbQuestion));
        QCOMPARE(box.buttons(), int(vbYesNoCancel));
        QCOMPARE(box.defaultButton(), 1);
        QVERIFY(boxes.unexpected().isEmpty());
        QCOMPARE(boxes.pending(), 0);
    }

    void defaultTitle() {
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        boxes.answer(vbOK);
        MsgBox("Hello");
        QCOMPARE(boxes.shown().front().request.title, QString("Tessix 7.5 Main Demo"));
        QCOMPARE(boxes.shown().front().request.flags, int(vbOKOnly));
    }

    // A box nobody expected is answered as if closed, and reported.
    void unscriptedBox_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << int(vbOKOnly) << int(vbOK);
        QTest::newRow("OK/Cancel") << int(vbOKCancel) << int(vbCancel);
        QTest::newRow("Yes/No/Cancel") << int(vbYesNoCancel) << int(vbCancel);
        QTest::newRow("Yes/No") << int(vbYesNo) << int(vbYes);
        QTest::newRow("Yes/No default No") << int(vbYesNo | vbDefaultButton2) << int(vbNo);
        QTest::newRow("Abort/Retry/Ignore, third")
            << int(vbAbortRetryIgnore | vbDefaultButton3) << int(vbIgnore);
        QTest::newRow("Retry/Cancel") << int(vbRetryCancel) << int(vbCancel);
    }
    void unscriptedBox() {
        QFETCH(int, flags);
        QFETCH(int, answer);
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        QCOMPARE(MsgBox("Surprise", flags), answer);
        QCOMPARE(boxes.unexpected().size(), 1);
        QVERIFY(boxes.unexpected().front().contains("Surprise"));
    }

    void answerThatIsNotAButton() {
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        boxes.answer(vbYes);
        QCOMPARE(MsgBox("Error", vbOKOnly | vbCritical), int(vbOK));
        QCOMPARE(boxes.unexpected().size(), 1);
    }

    void answersInOrder() {
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        boxes.answer(vbRetry);
        boxes.answer(vbCancel);
        QCOMPARE(MsgBox("1", vbRetryCancel), int(vbRetry));
        QCOMPARE(MsgBox("2", vbRetryCancel), int(vbCancel));
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(boxes.shown()[1].answer, int(vbCancel));
    }

    void inputBox() {
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox scope(boxes);
        boxes.answerInput("42");
        boxes.cancelInput();
        bool cancelled = true;
        QCOMPARE(InputBox("How many rows?", QString(), "10", &cancelled), QString("42"));
        QVERIFY(!cancelled);
        QCOMPARE(InputBox("Again?", "Rows", "10", &cancelled), QString());
        QVERIFY(cancelled);
        QCOMPARE(InputBox("Unscripted"), QString());
        QCOMPARE(boxes.unexpected().size(), 1);
        QCOMPARE(boxes.shownInputs().size(), 3);
        const platform::InputBoxRequest& first = boxes.shownInputs().front().request;
        QCOMPARE(first.prompt, QString("How many rows?"));
        QCOMPARE(first.title, QString("Tessix 7.5 Main Demo"));
        QCOMPARE(first.defaultText, QString("10"));
        QCOMPARE(boxes.shownInputs()[1].request.title, QString("Rows"));
    }

    // The production boxes, answered from a timer once they run their event loop.
    void productionBoxEscapes() {
        QString shownText;
        QTimer::singleShot(0, [&shownText] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shownText = box->text();
            if (modal)
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(platform::messageBox().msgBox({"one\r\ntwo", "t", vbOKCancel}), int(vbCancel));
        // CR LF shows as a line break, not as a stray character.
        QCOMPARE(shownText, QString("one\ntwo"));
    }

    void productionBoxDefaultButton() {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                QTest::keyClick(modal, Qt::Key_Return);
        });
        const int answer = platform::messageBox().msgBox(
            {"Save?", "t", vbYesNoCancel | vbQuestion | vbDefaultButton2});
        QCOMPARE(answer, int(vbNo));
    }

    // Under the program's style a box shows the icon of the kind its caller asked for, drawn
    // crisp at every scale, and its buttons carry no icons.
    void productionBoxLook_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("icon");
        QTest::newRow("question") << int(vbYesNo | vbQuestion) << int(QMessageBox::Question);
        QTest::newRow("information")
            << int(vbOKOnly | vbInformation) << int(QMessageBox::Information);
        QTest::newRow("warning") << int(vbOKCancel | vbExclamation) << int(QMessageBox::Warning);
        QTest::newRow("error") << int(vbYesNoCancel | vbCritical) << int(QMessageBox::Critical);
        QTest::newRow("none") << int(vbRetryCancel) << int(QMessageBox::NoIcon);
    }
    void productionBoxLook() {
        QFETCH(int, flags);
        QFETCH(int, icon);
        QApplication::setStyle(new DesktopStyle);
        int shownIcon = -1;
        QStringList buttonsWithIcons;
        bool selectable = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownIcon = box->icon();
            for (QAbstractButton* button : box->buttons())
                if (button->isVisible() && !button->icon().isNull())
                    buttonsWithIcons << button->text();
            selectable = box->textInteractionFlags() & Qt::TextSelectableByMouse;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        platform::messageBox().msgBox({"text", "t", flags});
        QCOMPARE(shownIcon, icon);
        QVERIFY2(buttonsWithIcons.isEmpty(), qPrintable(buttonsWithIcons.join(", ")));
        QVERIFY(selectable); // the text can be copied, for instance an address
    }

    void messageIconsAreScalable() {
        DesktopStyle style;
        // Desktops whose theme asks for button icons (xcb with most themes) still get none.
        QCOMPARE(style.styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
        for (auto kind : {QStyle::SP_MessageBoxQuestion, QStyle::SP_MessageBoxInformation,
                          QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical}) {
            const QIcon icon = style.standardIcon(kind);
            for (qreal scale : {1.0, 2.0}) {
                const QPixmap pixmap = icon.pixmap(QSize(32, 32), scale);
                QCOMPARE(pixmap.size(), QSize(32, 32) * scale);
                // Drawn, not an empty square: the middle of the icon is opaque.
                QVERIFY(pixmap.toImage().pixelColor(pixmap.rect().center()).alpha() > 200);
            }
        }
    }

    void productionInputBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("OK") << int(Qt::Key_Return) << "105" << false;
        QTest::newRow("Cancel") << int(Qt::Key_Escape) << "" << true;
    }
    void productionInputBox() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, cancelled);
        QTimer::singleShot(0, [key] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                QTest::keyClick(modal->focusWidget(), Qt::Key_End);
                QTest::keyClicks(modal->focusWidget(), "5");
                QTest::keyClick(modal, Qt::Key(key));
            }
        });
        bool wasCancelled = !cancelled;
        QCOMPARE(platform::messageBox().inputBox({"Rows?", "t", "10"}, wasCancelled), text);
        QCOMPARE(wasCancelled, cancelled);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
