#include "LoopbackDialFilter.h"
#include "QtTestEnvironment.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/StandardClasses.h"
#include "platform/net/ClientSocket.h"

namespace {

// The sockets' classes registered, and dialling kept on this machine.
const auto* const kEnvironment = qx::test::QtTestEnvironment::add(
    "qx_net_tests",
    {qx::registerCoreClasses, qx::registerStandardClasses, qx::registerNetClasses, qx::test::dialLoopbackOnly},
    {qx::test::removeDialFilter});

} // namespace
