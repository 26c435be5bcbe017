// SPDX-License-Identifier: MIT
// A result is read from its first character: a field too narrow for its text
// shows the start of it, never the end, and the whole text as its tool tip.
// "…仟贰佰…" read off a field whose leading "壹" is hidden is a wrong figure.
#include "fieldtext.h"
#include "gbkstring.h"
#include "mainwindowfixture.h"
#include "pagedescriptor.h"
#include "visualstyle.h"

#include <QLineEdit>
#include <QtTest>

using korvane::ControlKind;
using korvane::PageDescriptor;

namespace {

struct Typed {
    const char* field;
    const char* text; // "@row" clicks that row of the page's table instead
};
using Steps = std::vector<Typed>;

// What the field shows at its left edge once painted: the cursor position of
// the character drawn there, 0 when the text is shown from its start.
int firstShown(QLineEdit* field) {
    field->grab(); // paints, which is when the field scrolls its text
    return field->cursorPositionAt(QPoint(0, field->height() / 2));
}

// Whether the field, painted with its cursor at the end of the text, scrolls
// it: it does exactly when the text is too long for it.
bool scrollsAtEnd(QLineEdit* field) {
    field->setCursorPosition(0);
    const QImage start = field->grab().toImage();
    field->end(false);
    const QImage end = field->grab().toImage();
    field->setCursorPosition(0);
    return start != end;
}

bool isResult(ControlKind kind) {
    return kind == ControlKind::ResultBlue || kind == ControlKind::ResultRed ||
           kind == ControlKind::ResultModel;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class ResultFieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { korvane::VisualStyle::apply(); }

    // Results worked out as the user types, on the pages where they grow long.
    void resultsShowTheirStart_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("nested");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text"); // empty: whatever the page works out
        QTest::addColumn<bool>("tip");
        const QString capitals = QStringLiteral("壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角壹分");
        QTest::newRow("金额大写 12345678.91")
            << 12 << 1 << Steps{{"编辑框41", "12345678.91"}} << "编辑框42" << capitals << true;
        QTest::newRow("金额大写 12345678.91 then 1")
            << 12 << 1 << Steps{{"编辑框41", "12345678.91"}, {"编辑框41", "1"}} << "编辑框42"
            << QStringLiteral("壹元整") << false;
        QTest::newRow("磅差 3‰ of 99999999999999")
            << 12 << 0 << Steps{{"编辑框40", "99999999999999"}} << "编辑框38" << QString() << true;
        QTest::newRow("磅差 settle of 99999999999999")
            << 12 << 0 << Steps{{"编辑框40", "99999999999999"}} << "编辑框37"
            << QStringLiteral("9.97e+013") << false;
        QTest::newRow("磅差 settle of 30 and 29.95")
            << 12 << 0 << Steps{{"编辑框40", "30"}, {"编辑框39", "29.95"}} << "编辑框37"
            << QStringLiteral("-0.040") << false;
        QTest::newRow("钢板 weight, thickness 99999999")
            << 0 << 0 << Steps{{"编辑框1", "99999999"}} << "编辑框7" << QString() << true;
        QTest::newRow("圆钢 G, diameter 99999999")
            << 8 << 0 << Steps{{"编辑框48", "99999999"}} << "编辑框50" << QString() << true;
        QTest::newRow("工字钢 weight, I20a over 999999999999 m")
            << 1 << 0 << Steps{{"超级列表框1", "@I20a"}, {"编辑框63", "999999999999"}} << "编辑框64"
            << QString() << true;
        QTest::newRow("工字钢 G of I20a") << 1 << 0 << Steps{{"超级列表框1", "@I20a"}} << "编辑框62"
                                          << QStringLiteral("27.929") << false;
    }
    void resultsShowTheirStart() {
        QFETCH(int, page);
        QFETCH(int, nested);
        QFETCH(Steps, steps);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, tip);
        MainWindowFixture f;
        QVERIFY(f.active);
        f.showPage(page, nested);
        for (const Typed& step : steps) {
            QWidget* control = f.control(QString::fromUtf8(step.field));
            QVERIFY2(control != nullptr, step.field);
            if (step.text[0] == '@') {
                clickRow(qobject_cast<QTableWidget*>(control), QString::fromUtf8(step.text + 1));
                continue;
            }
            auto* input = qobject_cast<QLineEdit*>(control);
            input->setFocus(Qt::TabFocusReason);
            input->selectAll();
            QTest::keyClicks(input, step.text);
        }
        auto* result = qobject_cast<QLineEdit*>(f.control(field));
        QVERIFY(result != nullptr);
        QVERIFY(!result->text().isEmpty());
        if (!text.isEmpty())
            QCOMPARE(result->text(), text);
        QCOMPARE(result->cursorPosition(), 0);
        QCOMPARE(firstShown(result), 0);
        QCOMPARE(result->toolTip(), tip ? result->text() : QString());
        QCOMPARE(f.messages.messages().size(), 0);
    }

    // Every result field of every page, whatever its width and font: a text
    // too long for it starts at its left edge and is its tool tip; a short
    // one, set after it, leaves no tool tip behind. The tool tip comes with
    // the first digit the field cannot show together with the others: the
    // field itself scrolls from there on when its cursor is at the end.
    void everyResultField_data() { addEveryPage(); }
    void everyResultField() {
        QFETCH(int, page);
        QFETCH(int, nested);
        MainWindowFixture f;
        QVERIFY(f.active);
        f.showPage(page, nested);
        const QString longText = QStringLiteral("壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角壹分123456");
        int results = 0;
        for (const korvane::ControlRow& row : korvane::pageDescriptor(page, nested)->controls) {
            if (!isResult(row.kind))
                continue;
            ++results;
            auto* field = qobject_cast<QLineEdit*>(f.control(QString::fromUtf8(row.name)));
            QVERIFY2(field != nullptr, row.name);
            korvane::setFieldText(field, korvane::toGbk(longText));
            QCOMPARE(field->cursorPosition(), 0);
            QCOMPARE(firstShown(field), 0);
            QCOMPARE(field->toolTip(), longText);
            korvane::setFieldText(field, "7");
            QVERIFY2(field->toolTip().isEmpty(), row.name);

            size_t digits = 1;
            while (korvane::setFieldText(field, std::string(digits, '8')),
                   field->toolTip().isEmpty())
                ++digits;
            QVERIFY2(scrollsAtEnd(field), row.name);
            korvane::setFieldText(field, std::string(digits - 1, '8'));
            QVERIFY2(!scrollsAtEnd(field), row.name);
        }
        QVERIFY(results > 0);
    }
};

QTEST_MAIN(ResultFieldsTest)
#include "resultfields_test.moc"
