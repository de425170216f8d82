// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <initializer_list>
#include <utility>

namespace qvz {

// Sets environment variables for one scope, then gives each back its old value, or unsets
// it again where it was not set before.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, QByteArray>> values)
    {
        for (const auto& [name, value] : values) {
            saved_.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qputenv(name, value);
        }
    }
    ~ScopedEnvironment()
    {
        for (const Saved& old : saved_) {
            if (old.wasSet)
                qputenv(old.name, old.value);
            else
                qunsetenv(old.name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> saved_;
};

} // namespace qvz
