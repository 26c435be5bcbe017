// SPDX-License-Identifier: MIT
// A page's row names its controls by object name; a name that matches nothing
// would silently switch a behaviour off. Every name must exist on its page
// with the kind of widget its role needs.
#include "linetemplate.h"
#include "mainwindowfixture.h"
#include "pagedescriptor.h"
#include "sectiontable.h"
#include "sketchview.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using korvane::ControlKind;
using korvane::PageDescriptor;
using korvane::PageForm;

namespace {

bool hasKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Title:
    case ControlKind::FormulaLabel:
    case ControlKind::FormulaText:
        return qobject_cast<QLabel*>(widget) != nullptr;
    case ControlKind::GroupBox:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    case ControlKind::Sketch:
        return qobject_cast<korvane::SketchView*>(widget) != nullptr;
    case ControlKind::List:
        return qobject_cast<QTableWidget*>(widget) != nullptr;
    case ControlKind::Button:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    default:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    }
}

} // namespace

class PageDescriptorTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPageOfTheWindowHasOneRow() {
        MainWindowFixture f;
        int pages = 0;
        for (int page = 0; page < f.window.mainTabs()->count(); ++page) {
            const int nestedCount =
                f.window.nestedTabs(page) ? f.window.nestedTabs(page)->count() : 1;
            for (int nested = 0; nested < nestedCount; ++nested, ++pages)
                QVERIFY2(korvane::pageDescriptor(page, nested) != nullptr,
                         qPrintable(QStringLiteral("page %1/%2").arg(page).arg(nested)));
        }
        QCOMPARE(int(korvane::pageDescriptors().size()), pages);
    }

    void namesExistWithTheirKind_data() { addEveryPage(); }
    void namesExistWithTheirKind() {
        QFETCH(int, page);
        QFETCH(int, nested);
        MainWindowFixture f;
        QVERIFY(f.active);
        const PageDescriptor& d = *korvane::pageDescriptor(page, nested);
        if (QTabWidget* tabs = f.window.nestedTabs(page))
            tabs->setCurrentIndex(nested);
        f.window.selectPage(page);
        QWidget* pageWidget = f.window.pageWidget(page, nested);
        auto onPage = [pageWidget](const char* name) {
            return pageWidget->findChild<QWidget*>(QString::fromUtf8(name));
        };
        auto isField = [&](const char* name) {
            return qobject_cast<QLineEdit*>(onPage(name)) != nullptr;
        };

        for (const korvane::ControlRow& row : d.controls) {
            QWidget* widget = onPage(row.name);
            QVERIFY2(widget && hasKind(widget, row.kind), row.name);
        }

        bool focusFieldInCycle = false;
        int hiddenButtons = 0;
        for (const korvane::FocusStop& stop : d.focusOrder) {
            if (stop.empty())
                break;
            if (stop.control == nullptr) {
                ++hiddenButtons;
                continue;
            }
            QWidget* widget = onPage(stop.control);
            QVERIFY2(qobject_cast<QLineEdit*>(widget) || qobject_cast<QTableWidget*>(widget),
                     stop.control);
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, stop.control);
            focusFieldInCycle |= qstrcmp(stop.control, d.focusField) == 0;
        }
        QCOMPARE(hiddenButtons, 2);
        QVERIFY(focusFieldInCycle);
        QVERIFY(isField(d.lastInput()));

        int required = 0;
        for (const char* name : d.quickCopy.required) {
            if (name == nullptr)
                break;
            ++required;
            QVERIFY2(isField(name), name);
        }
        QVERIFY(required > 0);
        QVERIFY2(isField(d.quickCopy.resultField), d.quickCopy.resultField);
        QCOMPARE(d.quickCopy.kindWord[0] == '\0',
                 d.form == PageForm::Weighbridge || d.form == PageForm::Amount);

        // The summary line and the quick-add question: every field they
        // read, and table columns only where there is a table.
        QCOMPARE(d.summary.addsLine(), d.form == PageForm::Table || d.form == PageForm::Formula);
        if (d.summary.addsLine()) {
            std::vector<const char*> patterns(d.summary.cells.begin(), d.summary.cells.end());
            patterns.push_back(d.summary.question);
            const korvane::SectionTable* table = korvane::sectionTable(d.kind);
            for (const char* pattern : patterns) {
                QVERIFY(pattern != nullptr);
                for (const std::string& name : korvane::LineTemplate::fieldNames(pattern))
                    QVERIFY2(isField(name.c_str()), name.c_str());
                for (int column : korvane::LineTemplate::tableColumns(pattern))
                    QVERIFY(table != nullptr && column < table->columnCount());
            }
        }

        if (d.form == PageForm::Formula) {
            QVERIFY(d.formula.compute != nullptr);
            for (const korvane::FormulaInput& input : d.formula.inputs)
                if (input.name != nullptr)
                    QVERIFY2(isField(input.name), input.name);
            for (const char* name : d.formula.outputs)
                if (name != nullptr)
                    QVERIFY2(isField(name), name);
            if (d.formula.lengthField != nullptr)
                QVERIFY2(isField(d.formula.lengthField), d.formula.lengthField);
        }
    }
};

QTEST_MAIN(PageDescriptorTest)
#include "pagedescriptor_test.moc"
