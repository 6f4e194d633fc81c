#include "FuzzSupport.h"
#include "model/platform/IniFile.h"

// The settings file is read at every start and may hold anything a user or another tool wrote.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    IniFile ini(WriteFuzzFile(data, size, QStringLiteral("VELLUMAX.INI")));
    (void)ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("UndoCount"), 16);
    (void)ini.ReadString(QStringLiteral("Placement"), QStringLiteral("Position"), QString());
    ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("GridSize"), 2);
    return 0;
}
