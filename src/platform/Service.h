#pragma once

#include <memory>
#include <stdexcept>
#include <typeinfo>

// What a service is when nobody installed one: nothing, unless the service's
// header says otherwise by specialising this for its type.
template <typename T>
struct ServiceDefault {
    static std::unique_ptr<T> make() { return nullptr; }
};

// One replaceable service of the program: main() installs each one, tests
// install doubles and reset them through the same calls.
template <typename T>
class Service {
public:
    // The installed service, or nullptr.
    static T* find() { return slot().get(); }

    // The installed service, or its default one; a service without either is
    // a fault of the program, not of the operator.
    static T& get()
    {
        if (!slot()) slot() = ServiceDefault<T>::make();
        if (!slot()) throw std::logic_error(std::string("service not installed: ") + typeid(T).name());
        return *slot();
    }

    // Replaces the service; returns the one it replaces.
    static std::unique_ptr<T> install(std::unique_ptr<T> service)
    {
        slot().swap(service);
        return service;
    }

private:
    static std::unique_ptr<T>& slot()
    {
        static std::unique_ptr<T> service;
        return service;
    }
};
