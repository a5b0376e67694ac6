// Opening and closing the settings (what the window's load and unload do) beside a store that
// holds many other values, as a store shared with other keys may: both must grow no more than
// in step with the store's size.

#include "registry/filestore/StoreFile.h"
#include "settings/SavedSettings.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

// A store of the program's key beside a key of count other values.
void WriteStore(int64_t count)
{
    const std::filesystem::path path = registry::StoreFile::DefaultPath();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream store(path);
    store << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n";
    for (int64_t i = 0; i < count; ++i)
        store << "\"value " << i << "\"=\"some text of the other program\"\n";
    store << "\n[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n\"UserName\"=\"Ada's Carrowby\"\n";
}

void OpenSettings(benchmark::State& state)
{
    WriteStore(state.range(0));
    for (auto _ : state) {
        RegistryManager registry;
        settings::SavedSettings::Address(registry);
        benchmark::DoNotOptimize(registry.DoesKeyExist());
        benchmark::DoNotOptimize(settings::SavedSettings::Load(registry));
    }
}
BENCHMARK(OpenSettings)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

void CloseSettings(benchmark::State& state)
{
    WriteStore(state.range(0));
    RegistryManager registry;
    settings::SavedSettings::Address(registry);
    const settings::SavedSettings saved = settings::SavedSettings::Load(registry);
    for (auto _ : state)
        benchmark::DoNotOptimize(saved.Save(registry));
}
BENCHMARK(CloseSettings)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

// A hex value continued over lines under a long name, as a hand edit may leave it: read in time
// that grows no more than in step with its length.
void OpenLongValue(benchmark::State& state)
{
    WriteStore(0);
    std::ofstream store(registry::StoreFile::DefaultPath(), std::ios::app);
    store << '"' << std::string(200000, 'n') << "\"=hex:00";
    for (int64_t i = 0; i < state.range(0); ++i)
        store << ",\\\n  00,00,00,00,00,00,00,00";
    store.close();
    for (auto _ : state) {
        RegistryManager registry;
        settings::SavedSettings::Address(registry);
        benchmark::DoNotOptimize(settings::SavedSettings::Load(registry));
    }
}
BENCHMARK(OpenLongValue)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
