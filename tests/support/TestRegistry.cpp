#include "TestRegistry.h"

#include "TestFixture.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <cstring>

std::vector<TestRegistry::Entry>& TestRegistry::entries()
{
    static std::vector<Entry> list;
    return list;
}

void TestRegistry::add(const char* name, Factory factory)
{
    entries().push_back({name, std::move(factory)});
}

// NOLVARI_TEST_CLASS=Name runs one class only; the other arguments go to QTest as usual.
int TestRegistry::runAll(int argc, char** argv)
{
    const char* only = std::getenv("NOLVARI_TEST_CLASS");
    int failed = 0;
    for (const Entry& entry : entries()) {
        if (only && *only && std::strcmp(only, entry.name) != 0)
            continue;
        TestFixture::resetGlobals();
        std::unique_ptr<QObject> test = entry.factory();
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFixture::initApplication();
    return TestRegistry::runAll(argc, argv);
}
