#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Every test class of a test executable registers itself here; the shared main runs them all.
class TestRegistry
{
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static void add(const char* name, Factory factory);
    static int runAll(int argc, char** argv);

private:
    struct Entry
    {
        const char* name;
        Factory factory;
    };
    static std::vector<Entry>& entries();
};

template <typename T>
struct TestRegistrar
{
    explicit TestRegistrar(const char* name)
    {
        TestRegistry::add(name, [] { return std::make_unique<T>(); });
    }
};

#define NOLVARI_TEST(Class) static TestRegistrar<Class> nolvariRegistrar_##Class(#Class);
