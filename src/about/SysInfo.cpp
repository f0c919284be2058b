#include "about/SysInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace stakewell::about {

namespace {

// The bytes of a 32-bit number, last byte first, each in hexadecimal without
// leading zeros: how the viewer's registered number has always been written.
QString HexDigitsLastByteFirst(const QByteArray& bytes) {
    QString digits;
    QByteArray lastFirst = bytes;
    std::reverse(lastFirst.begin(), lastFirst.end());
    for (const char byte : lastFirst) {
        digits += QString::number(static_cast<unsigned char>(byte), 16).toUpper();
    }
    return digits;
}

#ifdef Q_OS_WIN
class WindowsRegistry : public Registry {
public:
    std::optional<RegistryValue> ReadValue(std::uint32_t KeyRoot, const QString& KeyName,
                                           std::uint32_t AccessMask, const QString& SubKeyRef,
                                           int BufferSize) override {
        // Predefined roots are sign-extended 32-bit handles.
        const auto root =
            reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(KeyRoot)));
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, KeyName.toLocal8Bit().constData(), 0, AccessMask, &key) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        QByteArray buffer(BufferSize, '\0');
        DWORD type = 0;
        auto size = static_cast<DWORD>(BufferSize);
        const LONG result = RegQueryValueExA(key, SubKeyRef.toLocal8Bit().constData(), nullptr,
                                             &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        buffer.truncate(static_cast<qsizetype>(size));
        return RegistryValue{type, buffer};
    }
};
#endif

} // namespace

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    const std::optional<RegistryValue> value =
        registry.ReadValue(KeyRoot, KeyName, KeyAccessMask, SubKeyRef, KeyValueBufferSize);
    // A value larger than the buffer is not read, as the registry refuses it.
    if (!value || value->Data.size() > KeyValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    if (value->Data.isEmpty()) {
        throw EmptyRegistryValue{};
    }
    QByteArray text = value->Data;
    if (text.back() == '\0') {
        text.chop(1);
    }
    if (value->Type == StringValueType) {
        KeyVal = QString::fromLocal8Bit(text);
    } else if (value->Type == NumberValueType) {
        KeyVal = QStringLiteral("&h") + KeyVal + HexDigitsLastByteFirst(text);
    }
    return true;
}

bool StartRegisteredViewer(LaunchServices& services) {
    try {
        QString path;
        if (GetKeyValue(services.registry, LocalMachineRoot,
                        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                        QStringLiteral("PATH"), path)) {
            return services.StartProgram(path);
        }
        QString folder;
        if (!GetKeyValue(services.registry, LocalMachineRoot,
                         QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"), folder)) {
            return false;
        }
        const QString program = folder + QStringLiteral("\\MSINFO32.EXE");
        return services.FileExists(program) && services.StartProgram(program);
    } catch (const EmptyRegistryValue&) {
        return false;
    }
}

bool StartViewerOnPath(const QStringList& viewers) {
    for (const QString& viewer : viewers) {
        const QString program = QStandardPaths::findExecutable(viewer);
        if (!program.isEmpty()) {
            return QProcess::startDetached(program, {});
        }
    }
    return false;
}

bool StartSystemViewer() {
#ifdef Q_OS_WIN
    WindowsRegistry registry;
    LaunchServices services{
        registry, [](const QString& file) { return QFileInfo::exists(file); },
        [](const QString& program) { return QProcess::startDetached(program, {}); }};
    return StartRegisteredViewer(services);
#else
    return StartViewerOnPath(PathViewers);
#endif
}

QString ViewersLookedFor() {
#ifdef Q_OS_WIN
    return QCoreApplication::translate(
        "stakewell::about::SysInfo", "Looked for the system information viewer the registry names "
                                     "(MSINFO32.EXE).");
#else
    return QCoreApplication::translate(
               "stakewell::about::SysInfo",
               "Looked for these viewers on the PATH: %1. Installing one of them "
               "makes this button start it.")
        .arg(PathViewers.join(QStringLiteral(", ")));
#endif
}

} // namespace stakewell::about
