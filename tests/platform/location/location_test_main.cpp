#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    // A proxy from the environment would take loopback requests elsewhere.
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        ::unsetenv(name);
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
