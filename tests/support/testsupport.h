#pragma once
#include <QString>

namespace TestSupport {
// Directory of the source tree and of the build tree, from the environment
// that CTest sets.
QString sourceDir();
QString buildDir();
// The device simulator executable built with the tests.
QString deviceSimPath();
// A TCP port on 127.0.0.1 that was free a moment ago.
quint16 freeLoopbackPort();
}
