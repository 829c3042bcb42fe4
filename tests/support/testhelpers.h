#pragma once
// Small helpers shared by the tests: the number of the run-time error a call raises, numbers in the
// locale's decimal separator, whole-file reads and writes, and guards that put the environment and
// the current folder back.

#include "platform/vberror.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

// The number of the VbError that f raises, 0 when it raises none.
template <class F>
int errorOf(F&& f)
{
    try {
        f();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

// A number written with a decimal comma, as the running locale writes it.
inline QString withLocaleDecimal(const char* text)
{
    return QString::fromUtf8(text).replace(u',', QLocale::system().decimalPoint());
}

inline QByteArray readFileBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

// Puts an environment variable back as it was.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name), old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) { }
    ~EnvGuard() { if (old_) qputenv(name_, *old_); else qunsetenv(name_); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

// Returns to the old current folder afterwards.
struct CurrentDirGuard {
    const QString old = QDir::currentPath();
    ~CurrentDirGuard() { QDir::setCurrent(old); }
};

// A configuration folder of the test's own: the settings file lives in folder()/velkorin.
class ScratchConfig {
public:
    ScratchConfig()
    {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
        QDir(dir_.path()).mkpath(QStringLiteral("velkorin"));
    }
    QString folder() const { return dir_.path(); }
    QString iniPath() const { return dir_.path() + QStringLiteral("/velkorin/VELKORIN.INI"); }
    void writeIni(const QByteArray& bytes) const { writeFileBytes(iniPath(), bytes); }
    QByteArray readIni() const { return readFileBytes(iniPath()); }

private:
    EnvGuard xdg_{"XDG_CONFIG_HOME"};
    CurrentDirGuard cwd_;
    QTemporaryDir dir_;
};
