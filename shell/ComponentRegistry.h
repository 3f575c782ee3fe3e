#pragma once
// The per-user registration record of automation classes: what DllRegisterServer writes and a
// host reads to find the library of a programmatic name. An INI file, one section per
// programmatic name:
//
//   [VXLlstgn.clsVxwlstgn]
//   CLSID={5F93FB05-9564-434F-9B1D-0277106C064F}
//   Library=/absolute/path/libVXLlstgn.so
//   TypeLib=VXLlstgn
//   Version=1.0
//   Description=Vexil 2000 List Generator
//
// The file is the one named by VEXILXP_REGISTRY when set, else "registry.ini" in the per-user
// configuration folder of VexilXP, so tests never touch the real one.

#include <QString>

#include <optional>

namespace vxw {

inline constexpr char kRegistryVariable[] = "VEXILXP_REGISTRY";

struct ComponentRegistration {
    QString progId;
    QString classId; // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    QString library; // absolute path of the shared library
    QString typeLibrary;
    QString version;
    QString description;
    bool operator==(const ComponentRegistration&) const = default;
};

// VEXILXP_REGISTRY when set and not empty, else the per-user file.
QString RegistryFile();

// Writes (or replaces) the record of `registration.progId`; false when the file could not be
// written.
bool WriteRegistration(const QString& registryFile, const ComponentRegistration& registration);
// Removes the record; removing one that is not there succeeds.
bool RemoveRegistration(const QString& registryFile, const QString& progId);
// The record, or nothing when the file, the section, the class id or the library is missing,
// or the file is larger than a registry file can sensibly be.
std::optional<ComponentRegistration> ReadRegistration(const QString& registryFile, const QString& progId);

inline constexpr qint64 kMaxRegistryFileSize = qint64{1} << 20;

} // namespace vxw
