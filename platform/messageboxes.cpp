// SPDX-License-Identifier: MIT
#include "messageboxes.h"

#include "qtmessageboxes.h"

namespace korvane::platform {

namespace {
MessageBoxes*& installed() {
    static MessageBoxes* boxes = nullptr;
    return boxes;
}
} // namespace

MessageBoxes& MessageBoxes::current() {
    if (installed() != nullptr)
        return *installed();
    static QtMessageBoxes qtBoxes;
    return qtBoxes;
}

MessageBoxes* MessageBoxes::install(MessageBoxes* boxes) {
    MessageBoxes* previous = installed();
    installed() = boxes;
    return previous;
}

} // namespace korvane::platform
