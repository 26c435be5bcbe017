// SPDX-License-Identifier: MIT
#include "singleinstance.h"

namespace korvane::platform {

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

} // namespace korvane::platform
