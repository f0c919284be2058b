#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// Finding and starting the operating system's own system-information viewer.
namespace stakewell::about {

inline constexpr std::uint32_t LocalMachineRoot = 0x80000002;
inline constexpr std::uint32_t KeyAccessMask = 0x2003F;
inline constexpr int KeyValueBufferSize = 1024;
inline constexpr std::uint32_t StringValueType = 1;
inline constexpr std::uint32_t NumberValueType = 4;

// One value as the registry hands it over: its type and the bytes it filled.
struct RegistryValue {
    std::uint32_t Type = 0;
    QByteArray Data;
};

// The registry, as far as reading one value goes. ReadValue opens KeyName
// under KeyRoot with the access asked for, queries SubKeyRef into a buffer
// of BufferSize bytes and closes the key again; nothing when the key cannot
// be opened or the value not read.
class Registry {
public:
    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    Registry(Registry&&) = delete;
    Registry& operator=(Registry&&) = delete;

    virtual std::optional<RegistryValue> ReadValue(std::uint32_t KeyRoot, const QString& KeyName,
                                                   std::uint32_t AccessMask,
                                                   const QString& SubKeyRef, int BufferSize) = 0;
};

// Thrown by GetKeyValue for a value without any data: it has no last byte to
// test. The launcher answers it like every other failure.
struct EmptyRegistryValue {};

// True when the value was read. A string value replaces KeyVal; a 32-bit
// number is appended to KeyVal as the hexadecimal digits of its bytes, last
// byte first, behind "&h"; any other type leaves KeyVal alone. On failure
// KeyVal is emptied.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

// What the viewer's launcher needs from the system besides the registry.
struct LaunchServices {
    Registry& registry;
    std::function<bool(const QString&)> FileExists;
    // Starts a program with a normal, focused window; false when it did not start.
    std::function<bool(const QString&)> StartProgram;
};

// Starts the viewer the registry names, at its recorded path or else in its
// recorded folder; true when one was started.
bool StartRegisteredViewer(LaunchServices& services);

// The viewers looked for on the PATH where there is no registry, in this
// order: the desktop environments' own information centres first, then the
// stand-alone ones.
inline const QStringList PathViewers = {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"),
                                        QStringLiteral("hardinfo"), QStringLiteral("cpu-x")};

// Starts the first of viewers found on the PATH, detached, so that the
// window never waits for it and no finished viewer is left behind; true when
// it was started.
bool StartViewerOnPath(const QStringList& viewers);

// This system's way: the registry on Windows, the PATH elsewhere.
bool StartSystemViewer();
// Where StartSystemViewer looks, as a sentence for a user who has none.
QString ViewersLookedFor();

} // namespace stakewell::about
