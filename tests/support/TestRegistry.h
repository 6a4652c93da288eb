#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Every test class registers itself here with its source file; the shared main runs them all, or
// those of one folder (NOLVARI_TEST_FOLDER) or one class (NOLVARI_TEST_CLASS).
class TestRegistry
{
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static void add(const char* name, const char* sourceFile, Factory factory);
    static int runAll(int argc, char** argv);
    // The test folder of a source file: "chart" for "...../tests/chart/KarteFileTest.cpp" and for
    // "...../tests/chart/more/KarteMoreTest.cpp".
    static std::string folderOf(const char* sourceFile);

private:
    struct Entry
    {
        const char* name;
        std::string folder;
        Factory factory;
    };
    static std::vector<Entry>& entries();
};

template <typename T>
struct TestRegistrar
{
    TestRegistrar(const char* name, const char* sourceFile)
    {
        TestRegistry::add(name, sourceFile, [] { return std::make_unique<T>(); });
    }
};

#define NOLVARI_TEST(Class) static TestRegistrar<Class> nolvariRegistrar_##Class(#Class, __FILE__);
