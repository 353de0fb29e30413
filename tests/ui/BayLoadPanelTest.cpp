#include "FormDriver.h"

#include <QRadioButton>
#include <QTest>

namespace {

const char* const RecordBoxes[] = {"Text14", "Text15", "Text8", "Text10",
                                   "Text13", "Text17", "Text16"};

QStringList RecordTexts(const FormDriver& driver) {
    QStringList texts;
    for (const char* name : RecordBoxes) {
        texts.append(driver.text(name));
    }
    return texts;
}

/// Types floor, bay, w1, w2, P, L, X in panel order.
void TypeRecord(FormDriver& driver, const QStringList& texts) {
    for (int i = 0; i < 7; ++i) {
        driver.type(RecordBoxes[i], texts[i]);
    }
}

bool Chosen(const FormDriver& driver, const char* option) {
    return driver.find<QRadioButton>(option)->isChecked();
}

bool PointLoadBoxesEnabled(const FormDriver& driver) {
    const bool text13 = driver.enabled("Text13");
    if (driver.enabled("Text10") != text13 || driver.enabled("Text16") != text13) {
        qFatal("The three point-load boxes disagree");
    }
    return text13;
}

} // namespace

class BayLoadPanelTest : public QObject {
    Q_OBJECT

private slots:
    void arrowsStayWithinTheRecords() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        struct Step {
            const char* button;
            int record;
            bool back;
            bool next;
        };
        const Step steps[] = {
            {"Command7", 2, true, true}, {"Command7", 3, true, true}, {"Command7", 4, true, false},
            {"Command8", 3, true, true}, {"Command8", 2, true, true}, {"Command8", 1, false, true},
        };
        for (const Step& step : steps) {
            driver.click(step.button);
            QVERIFY2(driver.model().CurrentBay == step.record, step.button);
            QCOMPARE(driver.enabled("Command8"), step.back);
            QCOMPARE(driver.enabled("Command7"), step.next);
        }
        driver.click("Command7");
        QCOMPARE(driver.focusName(), QStringLiteral("Text14"));
        driver.click("Command7");
        driver.click("Command7");
        driver.click("Command9");
        QCOMPARE(driver.focusName(), QStringLiteral("Command8"));
        QVERIFY(driver.model().CurrentBay == 4);
    }

    void storedRecordShowsAgain() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        TypeRecord(driver, {"1", "2", "10", "", "", "6", ""});
        driver.click("Option2");
        driver.click("Command9");
        const BayLoad& record = driver.model().BayLoads[1];
        QCOMPARE(record.FloorNo, 1);
        QCOMPARE(record.BayNo, 2);
        QCOMPARE(record.IsPointLoad, 0);
        QCOMPARE(record.Udl1, 10.0);
        QCOMPARE(record.SpanL, 6.0);
        QCOMPARE(record.Udl2 + record.PointLoad1 + record.LoadX, 0.0);
        QCOMPARE(driver.focusName(), QStringLiteral("Command7"));

        driver.click("Command7");
        QCOMPARE(RecordTexts(driver), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
        driver.click("Command8");
        QCOMPARE(RecordTexts(driver), QStringList({"1", "2", "10", "0", "0", "6", "0"}));
        QVERIFY(!Chosen(driver, "Option1"));
    }

    void wholeNumbersRoundToEven_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("2.5 to 2") << "2.5" << 2;
        QTest::newRow("3.5 to 4") << "3.5" << 4;
        QTest::newRow("-2.5 to -2") << "-2.5" << -2;
        QTest::newRow("blanks and unit") << " 7 th" << 7;
        QTest::newRow("lowest") << "-32768" << -32768;
    }

    void wholeNumbersRoundToEven() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.type("Text14", typed);
        driver.type("Text15", typed);
        driver.click("Command9");
        QCOMPARE(driver.model().BayLoads[1].FloorNo, stored);
        QCOMPARE(driver.model().BayLoads[1].BayNo, stored);
        QCOMPARE(driver.text("Text14"), typed); // the box keeps what was typed
    }

    void unstorableNumberIsRefusedByItsLabel_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::newRow("floor above 32767") << "Text14"
                                           << "32767.5"
                                           << "FLOOR :-";
        QTest::newRow("bay beyond a double") << "Text15"
                                             << "1E400"
                                             << "BAY :-";
        QTest::newRow("span beyond a double") << "Text17"
                                              << "-1E400"
                                              << "L =";
        QTest::newRow("disabled box too") << "Text16"
                                          << "1D999"
                                          << "X =";
    }

    void unstorableNumberIsRefusedByItsLabel() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        FormDriver driver;
        driver.setUp("B", "2", "3");
        TypeRecord(driver, {"1", "1", "5", "5", "5", "5", "5"});
        driver.type(qPrintable(box), typed);
        driver.click("Option2");
        const QString before = InputsOf(driver.model());
        driver.click("Command9");
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.front().startsWith(label + QLatin1Char(' ')),
                 qPrintable(driver.errors.front()));
        QCOMPARE(InputsOf(driver.model()), before);
        QCOMPARE(driver.text(qPrintable(box)), typed);
    }

    void udlSystemDisablesPointLoadBoxesButStoresThem() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        TypeRecord(driver, {"2", "2", "8", "99", "98", "7.5", "1"});
        driver.click("Option2");
        QVERIFY(!PointLoadBoxesEnabled(driver));
        QCOMPARE(driver.text("Text13"), QStringLiteral("98"));
        driver.click("Command9");
        const BayLoad& record = driver.model().BayLoads[1];
        QCOMPARE(record.IsPointLoad, 0);
        QCOMPARE(record.Udl2, 99.0);
        QCOMPARE(record.PointLoad1, 98.0);
        QCOMPARE(record.LoadX, 1.0);
        driver.click("Option1");
        QVERIFY(PointLoadBoxesEnabled(driver));
        QVERIFY(!Chosen(driver, "Option2"));
    }

    void optionsAnswerArrowKeys() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.click("Text15");
        driver.key(Qt::Key_Tab);
        QCOMPARE(driver.focusName(), QStringLiteral("Option1"));
        // With neither chosen an arrow only moves; Space chooses, and from then on
        // the arrows choose as they move.
        driver.key(Qt::Key_Right);
        QCOMPARE(driver.focusName(), QStringLiteral("Option2"));
        QVERIFY(!Chosen(driver, "Option2"));
        driver.key(Qt::Key_Space);
        QVERIFY(Chosen(driver, "Option2"));
        QVERIFY(!PointLoadBoxesEnabled(driver));
        driver.key(Qt::Key_Left);
        QVERIFY(Chosen(driver, "Option1"));
        QVERIFY(PointLoadBoxesEnabled(driver));
    }

    // Showing a record can choose "Point Load system" but never "UDL System",
    // and never disables the point-load boxes.
    void showingARecordOnlyEverChoosesPointLoad() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.click("Option2"); // record 1: UDL
        driver.click("Command9");
        QVERIFY(!PointLoadBoxesEnabled(driver));
        driver.click("Command7");
        driver.click("Option1"); // record 2: point load
        driver.click("Command9");
        driver.click("Command8");
        QVERIFY(!Chosen(driver, "Option1") && !Chosen(driver, "Option2"));
        QVERIFY(PointLoadBoxesEnabled(driver));

        driver.click("Option2");
        driver.click("Command7"); // back to the point-load record 2
        QVERIFY(Chosen(driver, "Option1") && !Chosen(driver, "Option2"));
        QVERIFY(PointLoadBoxesEnabled(driver));
        driver.click("Command7"); // record 3 was never stored
        QVERIFY(!Chosen(driver, "Option1") && !Chosen(driver, "Option2"));
        QVERIFY(PointLoadBoxesEnabled(driver));
        QCOMPARE(driver.model().BayLoads[3].IsPointLoad, 0);
    }

    void oneBayFrameKeepsItsOnlyRecord() {
        FormDriver driver;
        driver.setUp("B", "1", "2");
        QVERIFY(!driver.enabled("Command7") && !driver.enabled("Command8"));
        QCOMPARE(driver.text("Text9"), QStringLiteral("3"));
        TypeRecord(driver, {"1", "1", "10", "", "", "6", ""});
        driver.click("Command9");
        QCOMPARE(driver.focusName(), QStringLiteral("Text14"));
        QVERIFY(driver.model().CurrentBay == 1);
        QCOMPARE(driver.model().BayLoads[1].Udl1, 10.0);
        QCOMPARE(driver.model().BayLoads[2].Udl1, 0.0);
    }
};

QTEST_MAIN(BayLoadPanelTest)
#include "BayLoadPanelTest.moc"
