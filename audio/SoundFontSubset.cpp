// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFontSubset.h"

// FluidSynth
#include <fluidsynth.h>

// Std
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>

namespace tintrix {

namespace {

constexpr std::string_view kProgramsMarker = "#tintrix-programs=";
// Preset data larger than this is not a General MIDI set's; it is loaded whole.
constexpr std::uint32_t kMaxPresetData = 64 * 1024 * 1024;

// SoundFont 2 record sizes and the generator that names a preset zone's instrument.
constexpr std::size_t kPresetHeader = 38;
constexpr std::size_t kBag = 4;
constexpr std::size_t kModulator = 10;
constexpr std::size_t kGenerator = 4;
constexpr std::size_t kInstrumentHeader = 22;
constexpr std::size_t kSampleHeader = 46;
constexpr std::uint16_t kInstrumentGenerator = 41;

std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) { return std::uint32_t(u16(p)) | std::uint32_t(u16(p + 2)) << 16; }

void put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

// One of the record lists of the preset data; the last record of each only closes the list.
struct Records {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;  // of one record
    std::size_t count = 0; // the closing record included

    [[nodiscard]] const std::uint8_t* at(std::size_t i) const { return data + i * size; }
    [[nodiscard]] std::size_t last() const { return count - 1; }
};

// Appends records to a list being built, the chunk header first.
class ListWriter {
public:
    ListWriter(std::vector<std::uint8_t>& out, const char* id) : m_out(out), m_start(out.size())
    {
        out.insert(out.end(), id, id + 4);
        out.resize(out.size() + 4);
    }
    ~ListWriter() { put32(m_out.data() + m_start + 4, std::uint32_t(m_out.size() - m_start - 8)); }
    ListWriter(const ListWriter&) = delete;
    ListWriter& operator=(const ListWriter&) = delete;

    // Appends a copy of record and returns where it starts, for amending it.
    std::uint8_t* add(const std::uint8_t* record, std::size_t size)
    {
        m_out.insert(m_out.end(), record, record + size);
        return m_out.data() + m_out.size() - size;
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::size_t m_start;
};

// A header list (presets or instruments) with the bag, generator and modulator lists of its
// zones: the same shape twice in a SoundFont.
struct ZoneLists {
    Records headers;
    std::size_t bagAt; // where a header holds its first bag
    Records bags;
    Records generators;
    Records modulators;

    [[nodiscard]] std::size_t firstBag(std::size_t header) const { return u16(headers.at(header) + bagAt); }

    // Whether every index points forward and stays inside its list.
    [[nodiscard]] bool holdTogether() const
    {
        for (std::size_t h = 0; h < headers.last(); ++h) {
            if (firstBag(h) > firstBag(h + 1))
                return false;
        }
        if (firstBag(headers.last()) > bags.last())
            return false;
        for (std::size_t b = 0; b < bags.last(); ++b) {
            const std::uint8_t* bag = bags.at(b);
            const std::uint8_t* next = bags.at(b + 1);
            if (u16(bag) > u16(next) || u16(bag + 2) > u16(next + 2))
                return false;
        }
        return u16(bags.at(bags.last())) <= generators.last() && u16(bags.at(bags.last()) + 2) <= modulators.last();
    }

    // Writes the kept headers with their zones, renumbered, as the lists ids (headers, bags,
    // modulators, generators, in the order a SoundFont has them). With newInstrument, the zones'
    // instruments are renumbered too (every one of them is in it).
    void write(std::vector<std::uint8_t>& out, const std::array<const char*, 4>& ids, const std::vector<std::size_t>& kept,
               const std::map<std::uint16_t, std::uint16_t>* newInstrument) const
    {
        std::vector<std::uint8_t> bagsOut;
        std::vector<std::uint8_t> generatorsOut;
        std::vector<std::uint8_t> modulatorsOut;
        {
            ListWriter headerList(out, ids[0]);
            ListWriter bagList(bagsOut, ids[1]);
            ListWriter modulatorList(modulatorsOut, ids[2]);
            ListWriter generatorList(generatorsOut, ids[3]);
            std::uint32_t bagCount = 0;
            std::uint32_t generatorCount = 0;
            std::uint32_t modulatorCount = 0;
            const auto closeBags = [&](const std::uint8_t* record) {
                std::uint8_t* bag = bagList.add(record, kBag);
                put16(bag, generatorCount);
                put16(bag + 2, modulatorCount);
            };
            for (const std::size_t h : kept) {
                put16(headerList.add(headers.at(h), headers.size) + bagAt, bagCount);
                for (std::size_t b = firstBag(h); b < firstBag(h + 1); ++b, ++bagCount) {
                    closeBags(bags.at(b));
                    for (std::size_t g = u16(bags.at(b)); g < u16(bags.at(b + 1)); ++g, ++generatorCount) {
                        std::uint8_t* generator = generatorList.add(generators.at(g), kGenerator);
                        if (newInstrument && u16(generator) == kInstrumentGenerator)
                            put16(generator + 2, newInstrument->at(u16(generator + 2)));
                    }
                    for (std::size_t m = u16(bags.at(b) + 2); m < u16(bags.at(b + 1) + 2); ++m, ++modulatorCount)
                        modulatorList.add(modulators.at(m), kModulator);
                }
            }
            put16(headerList.add(headers.at(headers.last()), headers.size) + bagAt, bagCount);
            closeBags(bags.at(bags.last()));
            generatorList.add(generators.at(generators.last()), kGenerator);
            modulatorList.add(modulators.at(modulators.last()), kModulator);
        }
        for (const auto* list : {&bagsOut, &modulatorsOut, &generatorsOut})
            out.insert(out.end(), list->begin(), list->end());
    }
};

// Finds the record lists of the preset data; false when one is missing or cut short.
bool readLists(std::span<const std::uint8_t> body, std::map<std::string, Records>& lists)
{
    const std::map<std::string, std::size_t> sizes = {
        {"phdr", kPresetHeader}, {"pbag", kBag}, {"pmod", kModulator},         {"pgen", kGenerator}, {"inst", kInstrumentHeader},
        {"ibag", kBag},          {"imod", kModulator}, {"igen", kGenerator}, {"shdr", kSampleHeader},
    };
    for (std::size_t at = 0; at + 8 <= body.size();) {
        const std::string id(reinterpret_cast<const char*>(body.data() + at), 4);
        const std::uint32_t length = u32(body.data() + at + 4);
        if (length > body.size() - at - 8)
            return false;
        if (const auto size = sizes.find(id); size != sizes.end()) {
            if (length % size->second != 0 || length < size->second)
                return false;
            lists[id] = {body.data() + at + 8, size->second, length / size->second};
        }
        at += 8 + std::size_t(length) + (length & 1);
    }
    return lists.size() == sizes.size();
}

} // namespace

std::optional<std::vector<std::uint8_t>> SubsetPresetData(std::span<const std::uint8_t> body,
                                                         const std::bitset<128>& programs)
{
    std::map<std::string, Records> lists;
    if (!readLists(body, lists))
        return std::nullopt;
    const ZoneLists presets{lists["phdr"], 24, lists["pbag"], lists["pgen"], lists["pmod"]};
    const ZoneLists instruments{lists["inst"], 20, lists["ibag"], lists["igen"], lists["imod"]};
    if (!presets.holdTogether() || !instruments.holdTogether())
        return std::nullopt;

    std::vector<std::size_t> keptPresets;
    std::map<std::uint16_t, std::uint16_t> newInstrument; // old number -> new, in the old order
    for (std::size_t p = 0; p < presets.headers.last(); ++p) {
        const std::uint16_t program = u16(presets.headers.at(p) + 20);
        if (program >= programs.size() || !programs[program])
            continue;
        keptPresets.push_back(p);
        for (std::size_t g = u16(presets.bags.at(presets.firstBag(p))); g < u16(presets.bags.at(presets.firstBag(p + 1))); ++g) {
            const std::uint8_t* generator = presets.generators.at(g);
            if (u16(generator) != kInstrumentGenerator)
                continue;
            if (u16(generator + 2) >= instruments.headers.last())
                return std::nullopt;
            newInstrument[u16(generator + 2)] = 0;
        }
    }
    std::vector<std::size_t> keptInstruments;
    for (auto& [old, number] : newInstrument) {
        number = std::uint16_t(keptInstruments.size());
        keptInstruments.push_back(old);
    }

    std::vector<std::uint8_t> out = {'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'};
    presets.write(out, {"phdr", "pbag", "pmod", "pgen"}, keptPresets, &newInstrument);
    instruments.write(out, {"inst", "ibag", "imod", "igen"}, keptInstruments, nullptr);
    const Records& samples = lists["shdr"];
    ListWriter(out, "shdr").add(samples.data, samples.size * samples.count);
    put32(out.data() + 4, std::uint32_t(out.size() - 8));
    return out;
}

std::string SubsetFontName(const std::string& path, std::bitset<128> programs)
{
    programs.set(0);
    std::string name = path + std::string(kProgramsMarker);
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t nibble = 0; nibble < programs.size() / 4; ++nibble) {
        int value = 0;
        for (std::size_t bit = 0; bit < 4; ++bit)
            value |= programs[nibble * 4 + bit] << bit;
        name += kHex[value];
    }
    return name;
}

namespace {

// The SoundFont that FluidSynth reads through the loader: the file's first `kept` bytes (with
// the RIFF size amended when the preset data is replaced), then `tail`.
struct FontFile {
    std::FILE* file = nullptr;
    std::uint64_t kept = 0;
    std::vector<std::uint8_t> tail;
    std::array<std::uint8_t, 4> riffSize{};
    bool amended = false;
    std::uint64_t position = 0;

    ~FontFile()
    {
        if (file)
            std::fclose(file);
    }
    [[nodiscard]] std::uint64_t size() const { return kept + tail.size(); }

    bool readFile(std::uint64_t at, std::uint8_t* out, std::size_t count) const
    {
        return fseeko(file, off_t(at), SEEK_SET) == 0 && std::fread(out, 1, count, file) == count;
    }
};

// Splits a name from SubsetFontName() into its path and programs.
bool parseName(std::string_view name, std::string& path, std::bitset<128>& programs)
{
    const std::size_t marker = name.rfind(kProgramsMarker);
    if (marker == std::string_view::npos || name.size() - marker - kProgramsMarker.size() != programs.size() / 4)
        return false;
    const std::string_view hex = name.substr(marker + kProgramsMarker.size());
    for (std::size_t nibble = 0; nibble < hex.size(); ++nibble) {
        const char c = hex[nibble];
        const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (value < 0)
            return false;
        for (std::size_t bit = 0; bit < 4; ++bit)
            programs[nibble * 4 + bit] = (value >> bit) & 1;
    }
    path = std::string(name.substr(0, marker));
    return true;
}

// Replaces the preset data of font, its last chunk, with the programs' alone; leaves the font
// whole when it has another shape.
void cutDown(FontFile& font, const std::bitset<128>& programs)
{
    std::array<std::uint8_t, 12> header{};
    if (font.kept < 12 || !font.readFile(0, header.data(), header.size()) || std::memcmp(header.data(), "RIFF", 4) != 0
        || std::memcmp(header.data() + 8, "sfbk", 4) != 0)
        return;
    for (std::uint64_t at = 12; at + 12 <= font.kept;) {
        std::array<std::uint8_t, 12> chunk{};
        if (!font.readFile(at, chunk.data(), chunk.size()))
            return;
        const std::uint32_t length = u32(chunk.data() + 4);
        const std::uint64_t end = at + 8 + length + (length & 1);
        if (std::memcmp(chunk.data(), "LIST", 4) == 0 && std::memcmp(chunk.data() + 8, "pdta", 4) == 0) {
            if (end < font.kept || length < 4 || length > kMaxPresetData || at + 8 + length > font.kept)
                return; // not the last chunk, or cut short
            std::vector<std::uint8_t> body(length - 4);
            if (!font.readFile(at + 12, body.data(), body.size()))
                return;
            std::optional<std::vector<std::uint8_t>> subset = SubsetPresetData(body, programs);
            if (!subset)
                return;
            font.tail = std::move(*subset);
            font.kept = at;
            put32(font.riffSize.data(), std::uint32_t(font.size() - 8));
            font.amended = true;
            return;
        }
        at = end;
    }
}

void* openFont(const char* name)
{
    std::string path = name;
    std::bitset<128> programs;
    const bool subset = parseName(name, path, programs);
    auto font = std::make_unique<FontFile>();
    font->file = std::fopen(path.c_str(), "rb");
    if (!font->file || fseeko(font->file, 0, SEEK_END) != 0)
        return nullptr;
    const off_t size = ftello(font->file);
    if (size < 0)
        return nullptr;
    font->kept = std::uint64_t(size);
    if (subset)
        cutDown(*font, programs);
    return font.release();
}

int readFont(void* buffer, fluid_long_long_t count, void* handle)
{
    auto& font = *static_cast<FontFile*>(handle);
    if (count < 0 || std::uint64_t(count) > font.size() - font.position)
        return FLUID_FAILED;
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::uint64_t at = font.position;
    const std::uint64_t end = at + std::uint64_t(count);
    if (at < font.kept) {
        const std::uint64_t fromFile = std::min(end, font.kept) - at;
        if (!font.readFile(at, out, std::size_t(fromFile)))
            return FLUID_FAILED;
        for (std::uint64_t i = std::max<std::uint64_t>(at, 4); font.amended && i < std::min<std::uint64_t>(end, 8); ++i)
            out[i - at] = font.riffSize[i - 4];
        out += fromFile;
        at += fromFile;
    }
    if (end > at)
        std::memcpy(out, font.tail.data() + (at - font.kept), std::size_t(end - at));
    font.position = end;
    return FLUID_OK;
}

int seekFont(void* handle, fluid_long_long_t offset, int origin)
{
    auto& font = *static_cast<FontFile*>(handle);
    const auto base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? fluid_long_long_t(font.position)
                                                                   : fluid_long_long_t(font.size());
    const fluid_long_long_t to = base + offset;
    if ((origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) || to < 0
        || std::uint64_t(to) > font.size())
        return FLUID_FAILED;
    font.position = std::uint64_t(to);
    return FLUID_OK;
}

fluid_long_long_t tellFont(void* handle) { return fluid_long_long_t(static_cast<FontFile*>(handle)->position); }

int closeFont(void* handle)
{
    delete static_cast<FontFile*>(handle);
    return FLUID_OK;
}

} // namespace

bool AddSubsetFontLoader(_fluid_synth_t* synth, _fluid_hashtable_t* settings)
{
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader)
        return false;
    if (fluid_sfloader_set_callbacks(loader, openFont, readFont, seekFont, tellFont, closeFont) != FLUID_OK) {
        delete_fluid_sfloader(loader);
        return false;
    }
    fluid_synth_add_sfloader(synth, loader); // the synthesizer owns it from here
    return true;
}

} // namespace tintrix
