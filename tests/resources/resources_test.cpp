// The compiled resources, read back out of this test's own executable and
// compared with the expected values below: every string, the dialog
// template, menu, toolbar, accelerators, icon, bitmap, version block and menu
// bar description, and the language of every resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "res/resource.h"

namespace {

// ---------------------------------------------------------------------------
// Expected values.

constexpr WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);  // 0x0407
constexpr std::wstring_view kCopyright = L"Copyright (C) 2026";

struct StringEntry {
  UINT id;
  std::wstring_view text;
};
const StringEntry kStrings[] = {
    {102, L"Bearbeiten"},
    {103, L"Extras"},
    {128, L"navoroLauncher\n\nNavoroLauncher\n\n\nNavoroLauncher.Document\nNavoroLauncher Document"},
    {0xE001, L"Bereit"},
    {0xE104, L"Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {0xE120, L"L\u00f6scht die Markierung.\nL\u00f6schen"},
    {0xE121, L"L\u00f6scht alles.\nAlles l\u00f6schen"},
    {0xE122, L"Kopiert die Markierung und \u00fcbertr\u00e4gt sie in die Zwischenablage.\nKopieren"},
    {0xE123, L"Entfernt die Markierung und \u00fcbertr\u00e4gt sie in die Zwischenablage.\nAusschneiden"},
    {0xE124, L"Sucht den angegebenen Text.\nSuchen"},
    {0xE125, L"F\u00fcgt den Inhalt der Zwischenablage ein.\nEinf\u00fcgen"},
    {0xE128, L"Wiederholt die letzte Aktion.\nWiederholen"},
    {0xE129, L"Ersetzt einen bestimmten Text durch einen anderen.\nErsetzen"},
    {0xE12A, L"Markiert das gesamte Dokument.\nAlles markieren"},
    {0xE12B, L"Macht die letzte Aktion r\u00fcckg\u00e4ngig.\nR\u00fcckg\u00e4ngig"},
    {0xE12C, L"Wiederholt die vorher r\u00fcckg\u00e4ngig gemachte Aktion.\nWiederherstellen"},
    {0xE135, L"Teilt das aktive Fenster in Ausschnitte.\nTeilen"},
    {0xE140, L"Zeigt Programm-Informationen, Versionsnummer und Copyright an.\nInfo"},
    {0xE141, L"Verl\u00e4\u00dft die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
    {0xE150, L"Wechselt zum n\u00e4chsten Fensterausschnitt.\nN\u00e4chster Ausschnitt"},
    {0xE151, L"Springt zum vorherigen Fensterausschnitt zur\u00fcck.\nVorheriger Ausschnitt"},
    {0xE701, L"UF"},
    {0xEF06, L"Schlie\u00dft das aktive Fenster und fordert zur Dokumentspeicherung auf."},
    {0xEF13, L"Aktiviert die Task-Liste."},
    {65000, L"Neu"},
    {65001, L"Datei"},
    {65002, L"?"},
    {65003, L"Speichern"},
    {65004, L"Ausschneiden"},
    {65005, L"Kopieren"},
    {65006, L"Einf\u00fcgen"},
    {65007, L"Info"},
};

// A name-or-ordinal field of a dialog template.
struct NameOrOrdinal {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::wstring name;
  bool operator==(const NameOrOrdinal&) const = default;
};
NameOrOrdinal Ordinal(WORD ordinal) { return {true, ordinal, {}}; }
NameOrOrdinal Name(std::wstring_view name) { return {false, 0, std::wstring(name)}; }

struct DialogControl {
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;
  WORD id;
  NameOrOrdinal windowClass;
  NameOrOrdinal text;
  WORD extraBytes;
  bool operator==(const DialogControl&) const = default;
};

struct DialogHeader {
  DWORD style;
  DWORD exStyle;
  WORD controlCount;
  short x, y, cx, cy;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::wstring caption;
  WORD pointSize;
  std::wstring typeface;
  bool operator==(const DialogHeader&) const = default;
};

constexpr WORD kStaticAtom = 0x0082;
const DialogHeader kAboutDialog = {
    0x80C00040, 0x80000000, 3, 0, 0, 140, 57, Name(L""), Name(L""), L"Info \u00fcber navoroLauncher", 8, L"System"};
const DialogControl kAboutControls[] = {
    {0x50000003, 0, 11, 17, 20, 20, 0xFFFF, Ordinal(kStaticAtom), Ordinal(IDR_MAINFRAME), 0},
    {0x50020080, 0, 40, 10, 65, 8, 0xFFFF, Ordinal(kStaticAtom), Name(L"navoroLauncher Version 1.0"), 0},
    {0x50020000, 0, 40, 25, 65, 8, 0xFFFF, Ordinal(kStaticAtom), Name(kCopyright), 0},
};

// A menu template flattened in file order; popups carry no id.
struct MenuEntry {
  WORD flags;
  WORD id;
  std::wstring text;
  bool operator==(const MenuEntry&) const = default;
};
const MenuEntry kMenu[] = {
    {MF_POPUP, 0, L"Bearbeiten"},
    {0, ID_EDIT_UNDO, L"R\u00fcckg\u00e4ngig"},
    {0, 0, L""},  // separator
    {0, ID_EDIT_CUT, L"Ausschneiden"},
    {0, ID_EDIT_COPY, L"Kopieren"},
    {MF_END, ID_EDIT_PASTE, L"Einf\u00fcgen"},
    {MF_POPUP | MF_END, 0, L"Extras"},
    {MF_END, ID_APP_ABOUT, L"Info \u00fcber navoroLauncher..."},
};

const std::vector<WORD> kToolbarWords = {1, 16, 16, 4, 0xE123, 0xE122, 0xE125, 0xE140};

struct Accelerator {
  WORD flags;
  WORD key;
  WORD command;
  bool operator==(const Accelerator&) const = default;
};
constexpr WORD kCtrlKey = FVIRTKEY | FCONTROL;
const Accelerator kAccelerators[] = {
    {kCtrlKey, 'N', 0xE100}, {kCtrlKey, 'O', 0xE101}, {kCtrlKey, 'S', 0xE103}, {kCtrlKey, 'Q', 0xE141},
    {kCtrlKey, 'Z', 0xE12B}, {kCtrlKey, 'X', 0xE123}, {kCtrlKey, 'C', 0xE122}, {kCtrlKey | 0x80, 'V', 0xE125},
};

struct IconImage {
  BYTE size;  // width and height
  DWORD bytes;
};
const IconImage kIconImages[] = {{32, 744}, {16, 296}};

// The standard 16-colour palette in index order, as 0xRRGGBB.
const DWORD kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                            0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
// The toolbar images use black, grey, yellow and white on light grey.
const std::set<int> kToolbarColours = {0, 7, 8, 11, 15};
constexpr int kToolbarBackground = 7;

const std::vector<WORD> kMenuBarWords = {128, 2, 0xFFFE, 105, 4, 0x18, 102, 0, 0, 0xFFFE, 106, 4, 0x18, 103, 0, 0};

const VS_FIXEDFILEINFO kFixedVersion = {
    0xFEEF04BD, 0x00010000, 0x00010000, 0x00000001, 0x00010000, 0x00000001, 0x3F, 0, VOS__WINDOWS32, VFT_APP, 0, 0, 0};
struct VersionString {
  std::wstring_view key;
  std::wstring_view value;
};
const VersionString kVersionStrings[] = {
    {L"CompanyName", L""},
    {L"FileDescription", L"WCE MFC-Anwendung navoroLauncher"},
    {L"FileVersion", L"1, 0, 0, 1"},
    {L"InternalName", L"navoroLauncher"},
    {L"LegalCopyright", kCopyright},
    {L"LegalTrademarks", L""},
    {L"OriginalFilename", L"navoroLauncher.EXE"},
    {L"ProductName", L"Anwendung navoroLauncher"},
    {L"ProductVersion", L"1, 0, 0, 1"},
};
constexpr DWORD kTranslation = MAKELONG(0x0407, 1200);

// Every resource of the executable, by type and name.
using ResourceKey = std::tuple<ULONG_PTR, ULONG_PTR>;
std::set<ResourceKey> ExpectedResources() {
  const auto id = [](LPCWSTR r) { return reinterpret_cast<ULONG_PTR>(r); };
  std::set<ResourceKey> keys = {
      {id(RT_ICON), 1},       {id(RT_ICON), 2},    {id(RT_GROUP_ICON), 128},  {id(RT_BITMAP), 128},
      {RESTYPE_TOOLBAR, 128}, {id(RT_MENU), 128},  {id(RT_ACCELERATOR), 128}, {id(RT_RCDATA), 128},
      {id(RT_DIALOG), 100},   {id(RT_VERSION), 1},
  };
  for (const StringEntry& s : kStrings) keys.insert({id(RT_STRING), s.id / 16 + 1});
  return keys;
}

// Readable failure messages.
void PrintTo(const NameOrOrdinal& v, std::ostream* os) {
  if (v.isOrdinal)
    *os << "#" << v.ordinal;
  else
    *os << testing::PrintToString(v.name);
}
void PrintTo(const DialogHeader& h, std::ostream* os) {
  *os << std::hex << "{style 0x" << h.style << ", exstyle 0x" << h.exStyle << std::dec << ", " << h.controlCount
      << " controls, " << h.x << "," << h.y << "," << h.cx << "," << h.cy << ", menu " << testing::PrintToString(h.menu)
      << ", class " << testing::PrintToString(h.windowClass) << ", caption " << testing::PrintToString(h.caption)
      << ", font " << h.pointSize << " " << testing::PrintToString(h.typeface) << "}";
}
void PrintTo(const DialogControl& c, std::ostream* os) {
  *os << std::hex << "{style 0x" << c.style << ", exstyle 0x" << c.exStyle << std::dec << ", " << c.x << "," << c.y
      << "," << c.cx << "," << c.cy << ", id " << c.id << ", class " << testing::PrintToString(c.windowClass)
      << ", text " << testing::PrintToString(c.text) << ", extra " << c.extraBytes << "}";
}
void PrintTo(const MenuEntry& e, std::ostream* os) {
  *os << std::hex << "{flags 0x" << e.flags << ", id 0x" << e.id << ", " << testing::PrintToString(e.text) << "}";
}
void PrintTo(const Accelerator& a, std::ostream* os) {
  *os << std::hex << "{flags 0x" << a.flags << ", key '" << static_cast<char>(a.key) << "', command 0x" << a.command
      << "}";
}

// ---------------------------------------------------------------------------
// Reading resources.

std::span<const BYTE> Resource(LPCWSTR type, LPCWSTR name) {
  HRSRC found = ::FindResourceExW(nullptr, type, name, kGerman);
  if (!found) return {};
  const void* data = ::LockResource(::LoadResource(nullptr, found));
  return {static_cast<const BYTE*>(data), ::SizeofResource(nullptr, found)};
}
std::span<const BYTE> Resource(LPCWSTR type, UINT id) { return Resource(type, MAKEINTRESOURCEW(id)); }

// Little-endian fields in order; reading past the end marks the reader failed.
class Reader {
 public:
  explicit Reader(std::span<const BYTE> data) : m_data(data) {}
  WORD Word() { return static_cast<WORD>(Take(2)); }
  short Short() { return static_cast<short>(Take(2)); }
  DWORD Dword() { return static_cast<DWORD>(Take(4)); }
  std::wstring String() {
    std::wstring text;
    while (WORD c = Word()) text += static_cast<wchar_t>(c);
    return text;
  }
  NameOrOrdinal Field() {
    const WORD first = Word();
    if (first == 0xFFFF) return Ordinal(Word());
    std::wstring text;
    for (WORD c = first; c; c = Word()) text += static_cast<wchar_t>(c);
    return Name(text);
  }
  void AlignToDword() { m_offset = (m_offset + 3) & ~size_t{3}; }
  bool AtEnd() const { return m_offset >= m_data.size(); }
  bool Failed() const { return m_failed; }

 private:
  unsigned long Take(size_t bytes) {
    if (m_offset + bytes > m_data.size()) {
      m_failed = true;
      m_offset = m_data.size();
      return 0;
    }
    unsigned long value = 0;
    for (size_t i = 0; i < bytes; ++i) value |= static_cast<unsigned long>(m_data[m_offset + i]) << (8 * i);
    m_offset += bytes;
    return value;
  }
  std::span<const BYTE> m_data;
  size_t m_offset = 0;
  bool m_failed = false;
};

std::vector<WORD> Words(std::span<const BYTE> data) {
  Reader reader(data);
  std::vector<WORD> words;
  while (!reader.AtEnd()) words.push_back(reader.Word());
  return words;
}

// ---------------------------------------------------------------------------

// Every resource of the executable, by type and name, and the languages of each.
struct Inventory {
  std::set<ResourceKey> keys;
  std::vector<std::tuple<ResourceKey, WORD>> languages;
};

BOOL CALLBACK OnResourceLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR param) {
  const ResourceKey key{reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name)};
  reinterpret_cast<Inventory*>(param)->languages.push_back({key, language});
  return TRUE;
}

BOOL CALLBACK OnResourceName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
  EXPECT_TRUE(IS_INTRESOURCE(name)) << "resource given by name";
  reinterpret_cast<Inventory*>(param)->keys.insert(
      {reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name)});
  ::EnumResourceLanguagesW(module, type, name, OnResourceLanguage, param);
  return TRUE;
}

BOOL CALLBACK OnResourceType(HMODULE module, LPWSTR type, LONG_PTR param) {
  EXPECT_TRUE(IS_INTRESOURCE(type)) << "resource type given by name";
  ::EnumResourceNamesW(module, type, OnResourceName, param);
  return TRUE;
}

TEST(Resources, EveryResourceIsPresentOnceAndGerman) {
  Inventory inventory;
  ASSERT_TRUE(::EnumResourceTypesW(nullptr, OnResourceType, reinterpret_cast<LONG_PTR>(&inventory)));
  EXPECT_EQ(inventory.keys, ExpectedResources());
  ASSERT_EQ(inventory.languages.size(), inventory.keys.size()) << "a resource in more than one language";
  for (const auto& [key, language] : inventory.languages)
    EXPECT_EQ(language, kGerman) << "type " << std::get<0>(key) << " name " << std::get<1>(key);
}

TEST(Resources, StringTableHoldsExactlyTheProgramsStrings) {
  for (const StringEntry& s : kStrings) {
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(nullptr, s.id, reinterpret_cast<LPWSTR>(&text), 0);
    ASSERT_GT(length, 0) << "string " << s.id;
    EXPECT_EQ(std::wstring(text, static_cast<size_t>(length)), std::wstring(s.text)) << "string " << s.id;
  }
  // No other string in the blocks: each block holds 16 counted strings.
  std::set<UINT> blocks;
  for (const StringEntry& s : kStrings) blocks.insert(s.id / 16 + 1);
  int count = 0;
  for (UINT block : blocks) {
    Reader reader(Resource(RT_STRING, block));
    for (int i = 0; i < 16; ++i) {
      const WORD length = reader.Word();
      for (WORD c = 0; c < length; ++c) reader.Word();
      if (length) ++count;
    }
    EXPECT_FALSE(reader.Failed()) << "string block " << block;
    EXPECT_TRUE(reader.AtEnd()) << "string block " << block;
  }
  EXPECT_EQ(count, static_cast<int>(std::size(kStrings)));
}

TEST(Resources, AboutDialogTemplateFieldByField) {
  Reader reader(Resource(RT_DIALOG, IDD_ABOUTBOX));
  DialogHeader header{};
  header.style = reader.Dword();
  header.exStyle = reader.Dword();
  header.controlCount = reader.Word();
  header.x = reader.Short();
  header.y = reader.Short();
  header.cx = reader.Short();
  header.cy = reader.Short();
  header.menu = reader.Field();
  header.windowClass = reader.Field();
  header.caption = reader.String();
  header.pointSize = reader.Word();
  header.typeface = reader.String();
  EXPECT_EQ(header, kAboutDialog);

  std::vector<DialogControl> controls;
  for (WORD i = 0; i < header.controlCount && !reader.Failed(); ++i) {
    reader.AlignToDword();
    DialogControl control{};
    control.style = reader.Dword();
    control.exStyle = reader.Dword();
    control.x = reader.Short();
    control.y = reader.Short();
    control.cx = reader.Short();
    control.cy = reader.Short();
    control.id = reader.Word();
    control.windowClass = reader.Field();
    control.text = reader.Field();
    control.extraBytes = reader.Word();
    controls.push_back(control);
  }
  EXPECT_FALSE(reader.Failed());
  ASSERT_EQ(controls.size(), std::size(kAboutControls));
  for (size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i], kAboutControls[i]) << "control " << i + 1;
}

TEST(Resources, MainMenuTemplate) {
  Reader reader(Resource(RT_MENU, IDR_MAINFRAME));
  EXPECT_EQ(reader.Word(), 0) << "version";
  EXPECT_EQ(reader.Word(), 0) << "header size";
  std::vector<MenuEntry> entries;
  while (!reader.AtEnd()) {
    MenuEntry entry{};
    entry.flags = reader.Word();
    if (!(entry.flags & MF_POPUP)) entry.id = reader.Word();
    entry.text = reader.String();
    entries.push_back(entry);
  }
  EXPECT_FALSE(reader.Failed());
  EXPECT_EQ(entries, std::vector<MenuEntry>(std::begin(kMenu), std::end(kMenu)));
  // The system reads it as two popups.
  HMENU menu = ::LoadMenuW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(::GetMenuItemCount(menu), 2);
  EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(menu, 0)), 5);
  ::DestroyMenu(menu);
}

TEST(Resources, ToolbarAndMenuBarDescriptionWords) {
  EXPECT_EQ(Words(Resource(MAKEINTRESOURCEW(RESTYPE_TOOLBAR), IDR_MAINFRAME)), kToolbarWords);
  EXPECT_EQ(Words(Resource(RT_RCDATA, IDR_MAINFRAME)), kMenuBarWords);
}

TEST(Resources, AcceleratorEntries) {
  Reader reader(Resource(RT_ACCELERATOR, IDR_MAINFRAME));
  std::vector<Accelerator> entries;
  while (!reader.AtEnd()) {
    Accelerator entry{};
    entry.flags = reader.Word();
    entry.key = reader.Word();
    entry.command = reader.Word();
    reader.Word();  // padding
    entries.push_back(entry);
  }
  EXPECT_FALSE(reader.Failed());
  EXPECT_EQ(entries, std::vector<Accelerator>(std::begin(kAccelerators), std::end(kAccelerators)));
}

TEST(Resources, IconGroupHoldsBothImages) {
  Reader group(Resource(RT_GROUP_ICON, IDR_MAINFRAME));
  EXPECT_EQ(group.Word(), 0);
  EXPECT_EQ(group.Word(), 1) << "type: icon";
  ASSERT_EQ(group.Word(), std::size(kIconImages));
  for (const IconImage& want : kIconImages) {
    SCOPED_TRACE(want.size);
    EXPECT_EQ(group.Word(), want.size | (want.size << 8)) << "width and height";
    EXPECT_EQ(group.Word(), 16) << "16 colours, reserved 0";
    EXPECT_EQ(group.Word(), 1) << "planes";
    EXPECT_EQ(group.Word(), 4) << "bits per pixel";
    EXPECT_EQ(group.Dword(), want.bytes);
    const WORD imageId = group.Word();

    const std::span<const BYTE> image = Resource(RT_ICON, imageId);
    ASSERT_EQ(image.size(), want.bytes);
    BITMAPINFOHEADER info{};
    std::memcpy(&info, image.data(), sizeof info);
    EXPECT_EQ(info.biWidth, want.size);
    EXPECT_EQ(info.biHeight, 2 * want.size) << "colour image and mask";
    EXPECT_EQ(info.biBitCount, 4);
    EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));

    HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                 IMAGE_ICON, want.size, want.size, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) ::DestroyIcon(icon);
  }
  EXPECT_TRUE(group.AtEnd());
}

TEST(Resources, ToolbarBitmap) {
  const std::span<const BYTE> dib = Resource(RT_BITMAP, IDR_MAINFRAME);
  ASSERT_EQ(dib.size(), sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) + 64 * 16 / 2);
  BITMAPINFOHEADER info{};
  std::memcpy(&info, dib.data(), sizeof info);
  EXPECT_EQ(info.biWidth, 64);
  EXPECT_EQ(info.biHeight, 16);
  EXPECT_EQ(info.biPlanes, 1);
  EXPECT_EQ(info.biBitCount, 4);
  EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_TRUE(info.biClrUsed == 0 || info.biClrUsed == 16);

  const BYTE* palette = dib.data() + sizeof info;
  for (int i = 0; i < 16; ++i) {
    const DWORD rgb = (DWORD{palette[4 * i + 2]} << 16) | (DWORD{palette[4 * i + 1]} << 8) | palette[4 * i];
    EXPECT_EQ(rgb, kPalette[i]) << "palette index " << i;
  }

  // Pixels: each button image in the toolbar's colours, with a background corner.
  const BYTE* bits = palette + 16 * sizeof(RGBQUAD);
  const auto pixel = [bits](int x, int y) {  // y from the top; rows are stored bottom-up
    const BYTE pair = bits[(15 - y) * 32 + x / 2];
    return x % 2 ? pair & 0x0F : pair >> 4;
  };
  for (int button = 0; button < 4; ++button) {
    std::set<int> used;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) used.insert(pixel(16 * button + x, y));
    EXPECT_TRUE(std::includes(kToolbarColours.begin(), kToolbarColours.end(), used.begin(), used.end()))
        << "button " << button + 1;
    EXPECT_EQ(pixel(16 * button, 15), kToolbarBackground) << "button " << button + 1;
    EXPECT_GE(used.size(), 2u) << "button " << button + 1 << " is blank";
  }
  EXPECT_NE(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)), nullptr);
}

TEST(Resources, VersionBlock) {
  const std::span<const BYTE> resource = Resource(RT_VERSION, VS_VERSION_INFO);
  ASSERT_FALSE(resource.empty());
  // VerQueryValueW works on a writable copy of the block.
  std::vector<BYTE> block(resource.begin(), resource.end());

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(std::memcmp(fixed, &kFixedVersion, sizeof kFixedVersion), 0)
      << std::hex << "signature " << fixed->dwSignature << " file " << fixed->dwFileVersionMS << "."
      << fixed->dwFileVersionLS << " product " << fixed->dwProductVersionMS << "." << fixed->dwProductVersionLS
      << " mask " << fixed->dwFileFlagsMask << " flags " << fixed->dwFileFlags << " os " << fixed->dwFileOS << " type "
      << fixed->dwFileType << " subtype " << fixed->dwFileSubtype;

  for (const VersionString& want : kVersionStrings) {
    const std::wstring path = L"\\StringFileInfo\\040704B0\\" + std::wstring(want.key);
    wchar_t* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        << std::string(want.key.begin(), want.key.end());
    EXPECT_EQ(std::wstring(value), std::wstring(want.value));
  }

  DWORD* translation = nullptr;
  ASSERT_TRUE(
      ::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size));
  ASSERT_EQ(size, sizeof(DWORD));
  EXPECT_EQ(*translation, kTranslation);
}

}  // namespace
