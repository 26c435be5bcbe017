// SPDX-License-Identifier: MIT
#include "recordingmessageboxes.h"

namespace korvane::platform {

RecordingMessageBoxes::RecordingMessageBoxes() : previous_(MessageBoxes::install(this)) {}

RecordingMessageBoxes::~RecordingMessageBoxes() {
    MessageBoxes::install(previous_);
}

void RecordingMessageBoxes::information(const QString& text) {
    messages_.append({Kind::Information, text});
}

bool RecordingMessageBoxes::question(const QString& text) {
    messages_.append({Kind::Question, text});
    return answers_.isEmpty() ? defaultAnswer_ : answers_.takeFirst();
}

void RecordingMessageBoxes::warning(const QString& text) {
    messages_.append({Kind::Warning, text});
}

void RecordingMessageBoxes::error(const QString& text) {
    messages_.append({Kind::Error, text});
}

void RecordingMessageBoxes::plain(const QString& text) {
    messages_.append({Kind::Plain, text});
}

} // namespace korvane::platform
