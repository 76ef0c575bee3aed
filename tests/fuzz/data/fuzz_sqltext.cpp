// The parsers of outside text that reach the database layer: update
// scripts, named parameters and BaseKyrel.ini.

#include "platform/firebird/ScriptParser.h"
#include "platform/firebird/SqlParams.h"
#include "platform/ini/IniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const sono::fb::ParsedScript script = sono::fb::parseScript(bytes);
  for (const auto& c : script.commands) (void)sono::fb::parseNamedParams(c.text);
  (void)sono::fb::parseNamedParams(bytes);
  const sono::ini::IniFile ini(bytes);
  (void)ini.value("BANCO", "CAMINHO");
  (void)ini.hasSection("BANCO");
  return 0;
}
