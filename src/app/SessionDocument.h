// The session document made from a SessionState: type "TBXML", root
// `tbxml`, every element always present in its order, serialised with one
// space per level as UTF-8 without a byte-order mark. The same state gives
// the same bytes.
#pragma once

#include "SessionState.h"

#include <QByteArray>

namespace session {

QByteArray toXml(const SessionState& state);

} // namespace session
