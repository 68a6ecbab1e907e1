#pragma once
// Where an apply publishes the edited image on Windows: the shared block, the settings files and
// registry, the monitor's window and the macro library. And the block as the configurator reads it.

#include "bridge/shared_block.h"
#include "option/configurator_apply.h"
#include "option/configurator_model.h"
#include "option/macros/macro_library_store.h"

class Win32ApplyTargets : public ApplyTargets {
 public:
  Win32ApplyTargets(SharedBlock& block, MacroLibraryStore& macros)
      : block_(block), macros_(macros) {}

  void WriteSharedBlock(const SharedSettingsBlock& image) override;
  bool SaveAllSettings(const SharedSettingsBlock& image) override;
  void NotifyMonitor() override;
  bool SaveMacroLibrary() override;

 private:
  SharedBlock& block_;
  MacroLibraryStore& macros_;
};

// The monitor's named block: the mutex and the mapping, opened by name.
class Win32BlockSource : public BlockSource {
 public:
  bool Open() override;
  bool IsOpen() const override { return block_.HasView(); }
  void Reopen() override;
  bool ReadBlock(SharedSettingsBlock& image) override { return block_.Read(image); }
  void Close();

  SharedBlock& block() { return block_; }

 private:
  SharedBlock block_;
};

// How long an apply waits for the monitor to re-read the block before going on without it.
inline constexpr unsigned kMonitorAnswerTimeoutMs = 15000;
