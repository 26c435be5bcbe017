// SPDX-License-Identifier: MIT
#include "recordingmessageboxes.h"

namespace korvane::platform {

RecordingMessageBoxes::RecordingMessageBoxes() : previous_(MessageBoxes::install(this)) {}

RecordingMessageBoxes::~RecordingMessageBoxes() {
    MessageBoxes::install(previous_);
}

void RecordingMessageBoxes::information(const QString& text) {
    messages_.append({Kind::Information, text, {}});
}

bool RecordingMessageBoxes::question(const QString& text) {
    messages_.append({Kind::Question, text, {}});
    return answers_.isEmpty() ? defaultAnswer_ : answers_.takeFirst();
}

MessageBoxes::Choice RecordingMessageBoxes::questionWithCancel(const QString& text) {
    messages_.append({Kind::QuestionWithCancel, text, {}});
    return choices_.isEmpty() ? Choice::Cancel : choices_.takeFirst();
}

void RecordingMessageBoxes::warning(const QString& text) {
    messages_.append({Kind::Warning, text, {}});
}

void RecordingMessageBoxes::plain(const QString& text) {
    messages_.append({Kind::Plain, text, {}});
}

void RecordingMessageBoxes::error(const QString& title, const QString& text) {
    messages_.append({Kind::Error, text, title});
}

} // namespace korvane::platform
