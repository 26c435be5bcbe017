// SPDX-License-Identifier: MIT
#include "fieldtext.h"

#include "expressionevaluator.h"
#include "gbkstring.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

namespace korvane {
namespace {

// The width the field gives its text, as QLineEdit works it out when it
// paints: the style's contents rect less the text margins and two pixels on
// either side.
int textRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    option.state |= QStyle::State_Sunken;
    if (field->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    constexpr int kHorizontalMargin = 2;
    return contents.marginsRemoved(field->textMargins()).width() - 2 * kHorizontalMargin;
}

bool textFits(const QLineEdit* field) {
    QTextLayout layout(field->text(), field->font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    // One more pixel for the cursor, as the field counts it.
    return qRound(line.naturalTextWidth()) + 1 <= textRoom(field);
}

} // namespace

std::string fieldText(const QLineEdit* field) {
    return toGbk(field->text());
}

void setFieldText(QLineEdit* field, const std::string& gbk) {
    field->setText(fromGbk(gbk));
    if (field->isReadOnly()) {
        // A result is read from its first character: the field shows it from
        // the start, where QLineEdit would show the end, and one too narrow
        // for all of it shows it whole as its tool tip.
        field->setCursorPosition(0);
        field->setToolTip(textFits(field) ? QString() : field->text());
    }
}

void evaluateInPlace(QLineEdit* field, const ExpressionEvaluator& evaluator) {
    setFieldText(field, evaluator.evaluate(fieldText(field)));
}

} // namespace korvane
