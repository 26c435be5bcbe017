// SPDX-License-Identifier: MIT
// The pages' lines in the material summary: "添加", the quick add's question,
// and the list kept in its file between starts.
#include "calculatorpages.h"
#include "gbkstring.h"
#include "mainwindowfixture.h"
#include "materialsummary.h"
#include "summaryfilestore.h"
#include "summarylist.h"
#include "summarylistfile.h"
#include "summarypanel.h"
#include "temporarydatafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using korvane::SummaryItem;
using korvane::platform::RecordingMessageBoxes;

namespace {

QLineEdit* field(MainWindowFixture& f, const QString& name) {
    return qobject_cast<QLineEdit*>(f.control(name));
}

// Steps of a page, as a user does them: "click:LIST:MODEL" clicks a table
// row, "key:NAME:KEY" presses a key in a control, "NAME=TEXT" types into a
// field after giving it the focus, "set:NAME=TEXT" writes the text as the
// program would.
void perform(MainWindowFixture& f, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.startsWith(u"click:")) {
            const QStringList parts = step.split(u':');
            clickRow(qobject_cast<QTableWidget*>(f.control(parts[1])), parts[2]);
        } else if (step.startsWith(u"key:")) {
            const QStringList parts = step.split(u':');
            QTest::keyClick(f.control(parts[1]), parts[2] == u"Down" ? Qt::Key_Down : Qt::Key_Up);
        } else if (step.startsWith(u"set:")) {
            const QStringList parts = step.mid(4).split(u'=');
            field(f, parts[0])->setText(parts[1]);
        } else {
            const QStringList parts = step.split(u'=');
            field(f, parts[0])->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(field(f, parts[0]), parts[1]);
        }
    }
}

QStringList cells(const SummaryItem& line) {
    QStringList texts;
    for (const std::string& cell : line.cells)
        texts << korvane::fromGbk(cell);
    return texts;
}

struct SummaryFixture : MainWindowFixture {
    SummaryFixture() { window.toggleSummaryPanel(); }
    korvane::SummaryPanel* panel() { return window.summary(); }
    korvane::MaterialSummary* summary() { return window.pages()->materialSummary(); }
    std::vector<SummaryItem> rows() { return panel()->rows(); }
    QString total() { return window.findChild<QLabel*>(QStringLiteral("标签1总重求和"))->text(); }
    void clickAdd() {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("按钮1添加")),
                          Qt::LeftButton);
    }
};

// The data folder of these tests: a temporary one, so the user's own list
// is never read or written.
std::unique_ptr<TemporaryDataFolder> data;

} // namespace

class MaterialSummaryTest : public QObject {
    Q_OBJECT
  private slots:
    // A fresh data folder for every test.
    void init() { data = std::make_unique<TemporaryDataFolder>(); }
    void cleanup() { data.reset(); }

    void plateLineAndTotal() {
        SummaryFixture f;
        QVERIFY(f.active);
        f.clickAdd();
        QCOMPARE(f.rows().size(), size_t(1));
        QCOMPARE(cells(f.rows()[0]), (QStringList{"1", "钢板", "10mm*2.2m*12m*1块", "78.50Kg/㎡",
                                                  "26.40㎡", "2072.40"}));
        QCOMPARE(f.total(), QStringLiteral("2072.4"));
        QVERIFY(!f.panel()->list()->isChecked(0));
        QCOMPARE(f.messages.messages().size(), 0);
    }

    void pageLines_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("line"); // cells 1 to 5
        QTest::newRow("I-beam: size from the table, model after the name")
            << 1 << 0 << QStringList{"click:超级列表框1:I20a", "编辑框63=6"}
            << QStringList{"工字钢 I20a", "200*100*7.0", "27.929Kg/m", "6m", "167.57"};
        QTest::newRow("I-beam: the row that fills the page, not the one moved to")
            << 1 << 0 << QStringList{"click:超级列表框1:I20a", "key:超级列表框1:Down", "编辑框63=6"}
            << QStringList{"工字钢 I20a", "200*100*7.0", "27.929Kg/m", "6m", "167.57"};
        QTest::newRow("I-beam: no row clicked, empty size")
            << 1 << 0 << QStringList{"set:编辑框65=I20a", "编辑框63=6"}
            << QStringList{"工字钢 I20a", "", "Kg/m", "6m", "0.00"};
        QTest::newRow("channel") << 3 << 0 << QStringList{"click:超级列表框4:[10", "编辑框77=2"}
                                 << QStringList{"槽钢 [10", "100*48*5.3", "10.007Kg/m", "2m",
                                                "20.01"};
        QTest::newRow("welded pipe: outer diameter*wall from the table")
            << 7 << 0 << QStringList{"click:超级列表框7:DN15", "编辑框81=10"}
            << QStringList{"焊管 DN15", "φ21.25*2.75", "1.26Kg/m", "10m", "12.60"};
        QTest::newRow("round tube")
            << 6 << 0 << QStringList{"编辑框55=50", "编辑框54=3", "编辑框56=6"}
            << QStringList{"圆管", "φ50*3", "3.477Kg/m", "6m", "20.86"};
        QTest::newRow("round bar") << 8 << 0 << QStringList{"编辑框48=20", "编辑框49=6"}
                                   << QStringList{"圆钢", "φ20", "2.468Kg/m", "6m", "14.81"};
        QTest::newRow("checkered plate: area in square metres")
            << 0 << 1 << QStringList{"click:超级列表框9:2.5", "编辑框12=5"}
            << QStringList{"花纹板", "2.5", "22.6Kg/㎡", "5㎡", "113.00"};
        QTest::newRow("H-beam formula")
            << 4 << 1
            << QStringList{"编辑框92=200", "编辑框93=100", "编辑框94=5.5", "编辑框95=8",
                           "编辑框96=12"}
            << QStringList{"H型钢", "200*100*5.5*8", "20.504Kg/m", "12m", "246.05"};
    }
    void pageLines() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, line);
        SummaryFixture f;
        QVERIFY(f.active);
        f.showPage(page, nested);
        perform(f, steps);
        f.clickAdd();
        QCOMPARE(f.rows().size(), size_t(1));
        QCOMPARE(cells(f.rows()[0]), QStringList{"1"} + line);
    }

    void emptyFieldAddsNothing() {
        SummaryFixture f;
        QVERIFY(f.active);
        f.showPage(1, 0);
        perform(f, {"click:超级列表框1:I20a"});
        f.clickAdd();
        QCOMPARE(f.rows().size(), size_t(0));
        QCOMPARE(f.focusName(), QStringLiteral("编辑框63"));
        QCOMPARE(f.messages.messages().size(), 0);
    }

    void auxiliaryPageAddsNothing() {
        SummaryFixture f;
        QVERIFY(f.active);
        f.clickAdd(); // the plate line: the total shows it
        f.showPage(12, 1);
        perform(f, {"编辑框41=15"});
        f.clickAdd();
        QCOMPARE(f.rows().size(), size_t(1));
        QCOMPARE(f.total(), QStringLiteral("2072.4"));
        // Enter after the amount reaches the quick-add button, which does
        // nothing there and keeps the focus.
        f.pressEnter();
        QCOMPARE(f.focusName(), QStringLiteral("按钮4隐藏了"));
        QCOMPARE(f.rows().size(), size_t(1));
        QCOMPARE(f.messages.messages().size(), 0);
    }

    void quickAddAsks_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("I-beam")
            << 1 << QStringList{"click:超级列表框1:I20a", "编辑框63=6"}
            << "是否将【工字钢 I20a 】的材料重量\r\n添加到【材料重量汇总表】中？"
            << "编辑框63";
        QTest::newRow("round tube with φ")
            << 6 << QStringList{"编辑框55=50", "编辑框54=3", "编辑框56=6"}
            << "是否将【圆管 φ50*3 】的材料重量\r\n添加到【材料重量汇总表】中？"
            << "编辑框55";
        QTest::newRow("round bar with φ")
            << 8 << QStringList{"编辑框48=20", "编辑框49=6"}
            << "是否将【圆钢 φ20 】的材料重量\r\n添加到【材料重量汇总表】中？"
            << "编辑框48";
        QTest::newRow("welded pipe names the table row")
            << 7 << QStringList{"click:超级列表框7:DN15", "编辑框81=10"}
            << "是否将【焊管 DN15 】的材料重量\r\n添加到【材料重量汇总表】中？"
            << "编辑框81";
    }
    void quickAddAsks() {
        QFETCH(int, page);
        QFETCH(QStringList, steps);
        QFETCH(QString, question);
        QFETCH(QString, focusAfter);
        for (bool yes : {true, false}) {
            SummaryFixture f;
            QVERIFY(f.active);
            f.showPage(page, 0);
            perform(f, steps);
            f.messages.queueAnswers({yes});
            f.pressEnter();
            QCOMPARE(f.messages.messages().size(), 1);
            QCOMPARE(f.messages.messages()[0].kind, RecordingMessageBoxes::Kind::Question);
            QCOMPARE(f.messages.messages()[0].text, question);
            QCOMPARE(f.rows().size(), size_t(yes ? 1 : 0));
            QCOMPARE(f.focusName(), focusAfter);
        }
    }

    // "3*" cannot be worked out: the length empties on the way back to the
    // first field, and there is nothing to ask about.
    void quickAddWithAnUnfinishedLengthAsksNothing() {
        SummaryFixture f;
        QVERIFY(f.active);
        f.showPage(1, 0);
        perform(f, {"click:超级列表框1:I20a", "编辑框63=3*"});
        f.pressEnter();
        QCOMPARE(f.messages.messages().size(), 0);
        QCOMPARE(f.rows().size(), size_t(0));
        QCOMPARE(f.focusName(), QStringLiteral("编辑框63"));
    }

    // Saved lines come back at the next start, unchecked; the total shows
    // once the panel is opened.
    void savedListComesBack() {
        std::vector<SummaryItem> saved;
        {
            SummaryFixture f;
            QVERIFY(f.active);
            f.clickAdd();
            f.showPage(8, 0);
            perform(f, {"编辑框48=20", "编辑框49=6"});
            f.clickAdd();
            f.panel()->list()->setChecked(1, true);
            QTest::mouseClick(f.window.findChild<QPushButton*>(QStringLiteral("按钮4保存")),
                              Qt::LeftButton);
            QCOMPARE(f.messages.messages().size(), 0);
            saved = f.rows();
        }
        MainWindowFixture f;
        f.window.pages()->materialSummary()->load();
        QCOMPARE(f.window.summary()->rows(), saved);
        QVERIFY(!f.window.summary()->list()->isChecked(1));
        auto* total = f.window.findChild<QLabel*>(QStringLiteral("标签1总重求和"));
        QCOMPARE(total->text(), QStringLiteral("0"));
        f.window.toggleSummaryPanel();
        QCOMPARE(total->text(), QStringLiteral("2087.21"));
    }

    // A save that cannot be done says so and names the file; the list stays.
    void failedSaveIsReported() {
        // A file where the data folder should be: the folder cannot be made.
        QFile blocker(data->root() + QStringLiteral("/korvane"));
        QDir().mkpath(data->root());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SummaryFixture f;
        QVERIFY(f.active);
        f.clickAdd();
        f.summary()->save();
        QCOMPARE(f.messages.messages().size(), 1);
        QCOMPARE(f.messages.messages()[0].kind, RecordingMessageBoxes::Kind::Warning);
        QVERIFY(f.messages.messages()[0].text.contains(QStringLiteral("材料汇总单.txt")));
        QCOMPARE(f.rows().size(), size_t(1));
    }

    // A list file whose cells hold bytes that are not GBK (0xFF, a lead byte
    // without its trail byte) is not changed by being read and shown: no
    // question at the end, and a save writes the same bytes back.
    void bytesThatAreNotGbkAreNoChange() {
        const std::vector<SummaryItem> lines{
            {{"1", "\xB8\xD6\xFF\xB0\xE5", "10mm", "78.50Kg/m", "2m", "157.00"}},
            {{"2", "Q235", "\xB8", "78.50Kg/m", "1m", "78.50"}}};
        const korvane::SummaryFileStore store;
        QDir().mkpath(QFileInfo(store.filePath()).absolutePath());
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string bytes = korvane::SummaryListFile::encode(lines);
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();

        MainWindowFixture f;
        korvane::MaterialSummary* summary = f.window.pages()->materialSummary();
        summary->load();
        QVERIFY(!summary->modified());
        f.window.toggleSummaryPanel(); // the lines go into the list on screen
        QVERIFY(!summary->modified());
        QCOMPARE(f.window.summary()->rows(), lines);

        QVERIFY(summary->save());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(bytes));
    }
};

QTEST_MAIN(MaterialSummaryTest)
#include "materialsummary_test.moc"
