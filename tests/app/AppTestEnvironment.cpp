#include "ConnectionGuard.h"
#include "QtTestEnvironment.h"
#include "app/ProgramStart.h"

namespace {

// The editor's window classes registered and the connections kept on this machine.
const auto* const kEnvironment = qx::test::QtTestEnvironment::add(
    "qx_app_tests", {qx::registerEditorClasses, qx::test::guardConnections}, {qx::test::releaseConnections});

} // namespace
