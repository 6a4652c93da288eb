#include "TestRegistry.h"

#include "TestFixture.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::vector<TestRegistry::Entry>& TestRegistry::entries()
{
    static std::vector<Entry> list;
    return list;
}

void TestRegistry::add(const char* name, const char* sourceFile, Factory factory)
{
    entries().push_back({name, folderOf(sourceFile), std::move(factory)});
}

std::string TestRegistry::folderOf(const char* sourceFile)
{
    // The first folder below the last "tests" folder of the path, so that the tests in a
    // folder's subfolders belong to that folder; without one, the file's own folder.
    std::string path(sourceFile);
    std::replace(path.begin(), path.end(), '\\', '/');
    const std::string marker = "tests/";
    std::size_t start = 0;
    for (std::size_t at = path.find(marker); at != std::string::npos; at = path.find(marker, at + 1))
        if (at == 0 || path[at - 1] == '/')
            start = at + marker.size();
    std::size_t end = path.find('/', start);
    if (start == 0) {
        end = path.find_last_of('/');
        if (end == std::string::npos || end == 0)
            return std::string();
        const std::size_t parent = path.find_last_of('/', end - 1);
        start = parent == std::string::npos ? 0 : parent + 1;
    }
    return end == std::string::npos ? std::string() : path.substr(start, end - start);
}

// NOLVARI_TEST_FOLDER=chart runs the classes of one folder, NOLVARI_TEST_CLASS=Name one class;
// the other arguments go to QTest as usual.
int TestRegistry::runAll(int argc, char** argv)
{
    const char* folder = std::getenv("NOLVARI_TEST_FOLDER");
    const char* only = std::getenv("NOLVARI_TEST_CLASS");
    int failed = 0;
    int run = 0;
    for (const Entry& entry : entries()) {
        if (folder && *folder && entry.folder != folder)
            continue;
        if (only && *only && std::strcmp(only, entry.name) != 0)
            continue;
        TestFixture::resetGlobals();
        std::unique_ptr<QObject> test = entry.factory();
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
        ++run;
    }
    if (run == 0) {
        std::fprintf(stderr, "No test class matches NOLVARI_TEST_FOLDER/NOLVARI_TEST_CLASS.\n");
        return 1;
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
