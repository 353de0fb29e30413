#include "FormDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class SetupPanelTest : public QObject {
    Q_OBJECT

private slots:
    void refusedSetupChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("floors");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message");
        QTest::newRow("floors empty") << "A"
                                      << ""
                                      << "3"
                                      << "Incomplete Data";
        QTest::newRow("columns empty") << "A"
                                       << "2"
                                       << ""
                                       << "Incomplete Data";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << ""
                                    << "Incomplete Data";
        QTest::newRow("blanks are not empty") << "A"
                                              << " "
                                              << "3"
                                              << "floors";
        QTest::newRow("seven floors") << "A"
                                      << "7"
                                      << "3"
                                      << "floors";
        QTest::newRow("one column") << "A"
                                    << "2"
                                    << "1"
                                    << "column";
        QTest::newRow("floors beyond a double") << "A"
                                                << "1E400"
                                                << "3"
                                                << "TOTAL NO. OF FLOORS";
        QTest::newRow("too many bays") << "A"
                                       << "6"
                                       << "18"
                                       << "bays";
        QTest::newRow("name with a slash") << "A/B"
                                           << "2"
                                           << "3"
                                           << "project name";
    }

    void refusedSetupChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, floors);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        FormDriver driver;
        const QString before = InputsOf(driver.model());
        driver.setUp(name, floors, columns);
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.front().contains(message), qPrintable(driver.errors.front()));
        QCOMPARE(InputsOf(driver.model()), before);
        QVERIFY(driver.find("Frame2")->isVisible());
        QVERIFY(!driver.find("Frame1")->isVisible());
        QVERIFY(!driver.find("Command2")->isVisible());
        QCOMPARE(driver.text("Text7"), name.toUpper());
        QCOMPARE(driver.text("Text11"), floors);
        QCOMPARE(driver.text("Text12"), columns);
    }

    void acceptedSetupShowsTheJointAndLoadPanels() {
        FormDriver driver;
        driver.setUp("BLOCK A", "2 ", " 3kN");
        QVERIFY(driver.errors.isEmpty());
        const FrameModel& model = driver.model();
        QCOMPARE(model.ProjectName, std::string("BLOCK A"));
        QCOMPARE(model.BaysPerFloor.value(), 2.0);
        QCOMPARE(model.TotalBays.value(), 4.0);
        QCOMPARE(model.LastJoint.value(), 9.0);
        QCOMPARE(model.FloorJoints[1].First, 4);
        QCOMPARE(model.FloorJoints[2].Last, 9);
        QVERIFY(model.CurrentJoint == 4 && model.CurrentBay == 1);

        QVERIFY(!driver.find("Frame2")->isVisible());
        for (const char* shown : {"Frame1", "Frame3", "Command2", "Command3"}) {
            QVERIFY2(driver.find(shown)->isVisible(), shown);
        }
        QCOMPARE(driver.focusName(), QStringLiteral("Text1"));
        QCOMPARE(driver.text("Text9"), QStringLiteral("4"));
        QVERIFY(!driver.enabled("Command5") && driver.enabled("Command6"));
        QVERIFY(!driver.enabled("Command8") && driver.enabled("Command7"));
        for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text14",
                                "Text15", "Text8", "Text10", "Text13", "Text17", "Text16"}) {
            QVERIFY2(driver.text(box).isEmpty(), box);
        }
    }

    void nameRaisesTypedLettersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters and digits") << "block a1"
                                            << ""
                                            << "BLOCK A1";
        QTest::newRow("punctuation kept") << "x-2;_q."
                                          << ""
                                          << "X-2;_Q.";
        QTest::newRow("pasted text kept") << "a"
                                          << "bc d"
                                          << "Abc d";
    }

    void nameRaisesTypedLettersOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        FormDriver driver;
        driver.type("Text7", typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            driver.key(Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(driver.text("Text7"), shown);
        driver.type("Text11", "1");
        driver.type("Text12", "2");
        driver.click("Command4");
        QCOMPARE(QString::fromStdString(driver.model().ProjectName), shown);
    }

    void refusalIsACriticalAnalysisBox() {
        FormDriver driver(std::nullopt, true);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            watcher.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            box->button(QMessageBox::Ok)->click();
        });
        watcher.start(10);
        driver.setUp("A", "", "3");
        QCOMPARE(title, QStringLiteral("Analysis"));
        QCOMPARE(text, QStringLiteral("Incomplete Data"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons.size(), 1);
        QVERIFY(driver.find("Frame2")->isVisible());
    }
};

QTEST_MAIN(SetupPanelTest)
#include "SetupPanelTest.moc"
