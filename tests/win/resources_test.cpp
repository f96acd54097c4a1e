// The shipped executable's resources, read back through Windows' own loader.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "res/resource.h"
#include "tests/win/test_support.h"

namespace {

using ResourceName = std::wstring;  // "#12" for an ordinal, as the loader takes it
ResourceName NameOf(LPCWSTR name) {
  return IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name;
}
LPCWSTR Ordinal(ULONG_PTR id) { return MAKEINTRESOURCEW(id); }

using Entry = std::tuple<ResourceName, ResourceName, WORD>;  // type, name, language

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR found) {
  reinterpret_cast<std::set<Entry>*>(found)->insert({NameOf(type), NameOf(name), language});
  return TRUE;
}
BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
  return EnumResourceLanguagesW(module, type, name, AddLanguage, found);
}
BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR found) {
  return EnumResourceNamesW(module, type, AddName, found);
}

class ResourcesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    path_ = PathFromEnvironment("LUMIQA_SHIPPED_EXE");
    module_ = LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() { FreeLibrary(module_); }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot load " << testing::PrintToString(path_); }

  static std::vector<BYTE> Bytes(LPCWSTR type, LPCWSTR name, WORD language) {
    const HRSRC found = FindResourceExW(module_, type, name, language);
    if (found == nullptr) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    return std::vector<BYTE>(data, data + SizeofResource(module_, found));
  }

  static std::wstring path_;
  static HMODULE module_;
};
std::wstring ResourcesTest::path_;
HMODULE ResourcesTest::module_;

constexpr wchar_t kCopyright[] = L"Copyright (C) 2026 Lumiqa developers";
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

TEST_F(ResourcesTest, HoldsExactlyTheProgramsResources) {
  std::set<Entry> found;
  EnumResourceTypesW(module_, AddType, reinterpret_cast<LONG_PTR>(&found));
  std::set<Entry> expected = {
      {L"#5", L"#110", kNeutral},        {L"#5", L"#103", kNeutral},
      {L"#14", L"#107", kJapanese},      {L"#14", L"#108", kJapanese},
      {L"#6", L"#2501", kJapanese},  // the string table block of 40000
      {L"#16", L"#1", kNeutral},         {L"#24", L"#1", kEnglishUs},
  };
  // One set of eight images, which both groups list.
  for (int image = 1; image <= 8; ++image) expected.insert({L"#3", L"#" + std::to_wstring(image), kJapanese});
  EXPECT_EQ(found, expected);
}

TEST_F(ResourcesTest, AboutItemText) {
  wchar_t text[64] = {};
  EXPECT_EQ(LoadStringW(module_, ID_STRING_ABOUT_ITEM, text, 64), 15);
  EXPECT_STREQ(text, L"バージョン情報 (&A)...");
  // The block's other fifteen slots are empty.
  for (UINT id = ID_STRING_ABOUT_ITEM / 16 * 16; id < ID_STRING_ABOUT_ITEM / 16 * 16 + 16; ++id) {
    if (id != ID_STRING_ABOUT_ITEM) EXPECT_EQ(LoadStringW(module_, id, text, 64), 0) << id;
  }
}

// A standard (not extended) dialog template, taken apart field by field.
struct Item {
  std::wstring windowClass;  // predefined classes are stored as ordinals
  WORD id;
  std::wstring text;  // "#107" for an ordinal, as an icon's
  short x, y, cx, cy;
  DWORD style, exStyle;
  bool operator==(const Item& o) const {
    return std::tie(windowClass, id, text, x, y, cx, cy, style, exStyle) ==
           std::tie(o.windowClass, o.id, o.text, o.x, o.y, o.cx, o.cy, o.style, o.exStyle);
  }
};
struct Dialog {
  DWORD style, exStyle;
  short x, y, cx, cy;
  std::wstring menu, windowClass, caption;
  WORD pointSize;
  std::wstring face;
  std::vector<Item> items;
  bool operator==(const Dialog& o) const {
    return std::tie(style, exStyle, x, y, cx, cy, menu, windowClass, caption, pointSize, face, items) ==
           std::tie(o.style, o.exStyle, o.x, o.y, o.cx, o.cy, o.menu, o.windowClass, o.caption, o.pointSize,
                    o.face, o.items);
  }
};
void PrintTo(const Item& i, std::ostream* os) {
  *os << testing::PrintToString(i.windowClass) << " id " << i.id << " " << testing::PrintToString(i.text) << " ("
      << i.x << "," << i.y << " " << i.cx << "x" << i.cy << ") style " << std::hex << i.style << " ex "
      << i.exStyle << std::dec;
}
void PrintTo(const Dialog& d, std::ostream* os) {
  *os << "style " << std::hex << d.style << " ex " << d.exStyle << std::dec << " (" << d.x << "," << d.y << " "
      << d.cx << "x" << d.cy << ") menu " << testing::PrintToString(d.menu) << " class "
      << testing::PrintToString(d.windowClass) << " caption " << testing::PrintToString(d.caption) << " font "
      << d.pointSize << " " << testing::PrintToString(d.face) << " items " << testing::PrintToString(d.items);
}

class TemplateReader {
 public:
  explicit TemplateReader(const std::vector<BYTE>& bytes) : bytes_(bytes) {}
  bool Failed() const { return failed_; }
  template <typename T>
  T Read() {
    T value{};
    if (at_ + sizeof(T) > bytes_.size()) {
      failed_ = true;
      return value;
    }
    std::memcpy(&value, bytes_.data() + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  std::wstring String() {
    std::wstring text;
    for (wchar_t c = Read<wchar_t>(); c != 0 && !failed_; c = Read<wchar_t>()) text += c;
    return text;
  }
  // A string, or 0xFFFF and an ordinal, or nothing (a lone 0).
  std::wstring StringOrOrdinal() {
    const std::size_t start = at_;
    if (Read<WORD>() == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
    at_ = start;
    return String();
  }
  void AlignToDword() { at_ = (at_ + 3) & ~std::size_t{3}; }
  bool AtEnd() const { return at_ == bytes_.size(); }
  bool AtEndOrPadding() const { return at_ <= bytes_.size() && bytes_.size() - at_ < 4; }

 private:
  const std::vector<BYTE>& bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

Dialog ParseDialog(const std::vector<BYTE>& bytes) {
  TemplateReader in(bytes);
  Dialog d{};
  d.style = in.Read<DWORD>();
  d.exStyle = in.Read<DWORD>();
  const WORD count = in.Read<WORD>();
  d.x = in.Read<short>();
  d.y = in.Read<short>();
  d.cx = in.Read<short>();
  d.cy = in.Read<short>();
  d.menu = in.StringOrOrdinal();
  d.windowClass = in.StringOrOrdinal();
  d.caption = in.String();
  if (d.style & DS_SETFONT) {
    d.pointSize = in.Read<WORD>();
    d.face = in.String();
  }
  const std::map<std::wstring, std::wstring> predefined = {
      {L"#128", L"Button"}, {L"#129", L"Edit"}, {L"#130", L"Static"}};
  for (WORD i = 0; i < count && !in.Failed(); ++i) {
    in.AlignToDword();
    Item item{};
    item.style = in.Read<DWORD>();
    item.exStyle = in.Read<DWORD>();
    item.x = in.Read<short>();
    item.y = in.Read<short>();
    item.cx = in.Read<short>();
    item.cy = in.Read<short>();
    item.id = in.Read<WORD>();
    item.windowClass = in.StringOrOrdinal();
    if (predefined.count(item.windowClass) != 0) item.windowClass = predefined.at(item.windowClass);
    item.text = in.StringOrOrdinal();
    EXPECT_EQ(in.Read<WORD>(), 0) << "creation data on item " << i;
    d.items.push_back(item);
  }
  EXPECT_FALSE(in.Failed()) << "template ends early";
  EXPECT_TRUE(in.AtEndOrPadding()) << "bytes after the last item";
  return d;
}

TEST_F(ResourcesTest, MainDialogTemplate) {
  const Dialog expected = {
      0x90C808CC, 0, 0, 0, 185, 26, L"", L"", L"Lumiqa", 11, L"MS UI Gothic",
      {{L"Edit", ID_EDIT_KEY, L"", 6, 7, 172, 14, 0x50810880, 0}}};
  EXPECT_EQ(ParseDialog(Bytes(RT_DIALOG, Ordinal(ID_DIALOG_MAIN), kNeutral)), expected);
}

TEST_F(ResourcesTest, AboutDialogTemplate) {
  const Dialog expected = {
      0x80C800C0, 0, 0, 0, 190, 65, L"", L"", L"バージョン情報", 9, L"ＭＳ Ｐゴシック",
      {{L"Static", 0xFFFF, L"#107", 7, 7, 18, 21, 0x50000803, 0},
       {L"Static", 0xFFFF, L"Lumiqa Version 1.0.0.0", 35, 7, 154, 8, 0x50020080, 0},
       {L"Static", 0xFFFF, kCopyright, 35, 22, 154, 8, 0x50020000, 0},
       {L"Button", IDOK, L"OK", 73, 44, 45, 14, 0x50030001, 0}}};
  EXPECT_EQ(ParseDialog(Bytes(RT_DIALOG, Ordinal(ID_DIALOG_ABOUT), kNeutral)), expected);
}

struct Image {
  int width, height, bits;
  bool operator==(const Image& o) const { return std::tie(width, height, bits) == std::tie(o.width, o.height, o.bits); }
};
void PrintTo(const Image& i, std::ostream* os) { *os << i.width << "x" << i.height << "x" << i.bits; }

TEST_F(ResourcesTest, IconGroupsHoldTheSamePictureInEightImages) {
  const std::vector<Image> expected = {{32, 32, 4},  {16, 16, 4},  {48, 48, 8},  {32, 32, 8},
                                       {16, 16, 8},  {48, 48, 32}, {32, 32, 32}, {16, 16, 32}};
  std::vector<std::vector<BYTE>> pictures[2];
  const WORD groups[2] = {ID_ICON_LARGE, ID_ICON_SMALL};
  for (int g = 0; g < 2; ++g) {
    SCOPED_TRACE(groups[g]);
    const std::vector<BYTE> directory = Bytes(RT_GROUP_ICON, Ordinal(groups[g]), kJapanese);
    TemplateReader in(directory);
    EXPECT_EQ(in.Read<WORD>(), 0);  // reserved
    EXPECT_EQ(in.Read<WORD>(), 1);  // icons, not cursors
    const WORD count = in.Read<WORD>();
    std::vector<Image> images;
    for (WORD i = 0; i < count && !in.Failed(); ++i) {
      const int width = in.Read<BYTE>(), height = in.Read<BYTE>();
      in.Read<BYTE>();  // colour count
      in.Read<BYTE>();
      in.Read<WORD>();  // planes
      const int bits = in.Read<WORD>();
      const DWORD size = in.Read<DWORD>();
      const WORD id = in.Read<WORD>();
      const std::vector<BYTE> image = Bytes(RT_ICON, Ordinal(id), kJapanese);
      ASSERT_EQ(image.size(), size) << "image " << id;
      // What the image itself says, not just its directory entry.
      BITMAPINFOHEADER header;
      ASSERT_GE(image.size(), sizeof header);
      std::memcpy(&header, image.data(), sizeof header);
      EXPECT_EQ(header.biBitCount, bits);
      images.push_back({static_cast<int>(header.biWidth), static_cast<int>(header.biHeight / 2), header.biBitCount});
      EXPECT_EQ(images.back(), (Image{width, height, bits}));
      pictures[g].push_back(image);
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(images, expected);
  }
  EXPECT_EQ(pictures[0], pictures[1]);
}

TEST_F(ResourcesTest, VersionBlock) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path_.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path_.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  for (const DWORD zero : {fixed->dwFileFlagsMask, fixed->dwFileFlags, fixed->dwFileOS, fixed->dwFileType,
                           fixed->dwFileSubtype, fixed->dwFileDateMS, fixed->dwFileDateLS}) {
    EXPECT_EQ(zero, 0u);
  }

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                             &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 932);

  const std::map<std::wstring, std::wstring> expected = {
      {L"Comments", L"Windowsのプロダクトキーを取得します"},
      {L"FileDescription", L"Lumiqa"},
      {L"FileVersion", L"1, 0, 0, 0"},
      {L"InternalName", L"Lumiqa"},
      {L"LegalCopyright", kCopyright},
      {L"LegalTrademarks", L"Lumiqa"},
      {L"OriginalFilename", L"Lumiqa.exe"},
      {L"ProductName", L"Lumiqa"},
      {L"ProductVersion", L"1, 0, 0, 0"},
  };
  for (const auto& [key, value] : expected) {
    wchar_t* text = nullptr;
    const std::wstring query = L"\\StringFileInfo\\041103a4\\" + key;
    ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        << testing::PrintToString(key);
    EXPECT_EQ(std::wstring(text), value) << testing::PrintToString(key);
  }
}

// The attributes of every element of one name, in a small well-formed XML text.
std::vector<std::map<std::string, std::string>> Elements(const std::string& xml, const std::string& name) {
  std::vector<std::map<std::string, std::string>> found;
  for (std::size_t at = xml.find("<" + name); at != std::string::npos; at = xml.find("<" + name, at + 1)) {
    const std::size_t end = xml.find('>', at);
    const char next = xml[at + 1 + name.size()];
    if (next != ' ' && next != '>' && next != '/') continue;
    std::map<std::string, std::string> attributes;
    for (std::size_t eq = xml.find('=', at); eq < end; eq = xml.find('=', eq + 1)) {
      const std::size_t nameStart = xml.rfind(' ', eq) + 1;
      const std::size_t valueEnd = xml.find('"', eq + 2);
      attributes[xml.substr(nameStart, eq - nameStart)] = xml.substr(eq + 2, valueEnd - eq - 2);
    }
    found.push_back(attributes);
  }
  return found;
}

TEST_F(ResourcesTest, ManifestAsksForCommonControls6AndNoElevation) {
  const std::vector<BYTE> bytes = Bytes(RT_MANIFEST, Ordinal(1), kEnglishUs);
  const std::string xml(bytes.begin(), bytes.end());
  const auto identities = Elements(xml, "assemblyIdentity");
  ASSERT_EQ(identities.size(), 2u);
  const std::string name = identities[0].count("name") ? identities[0].at("name") : "";
  EXPECT_TRUE(name.size() > 7 && name.compare(name.size() - 7, 7, ".Lumiqa") == 0) << name;
  EXPECT_EQ(identities[0], (std::map<std::string, std::string>{
                               {"version", "1.0.0.0"}, {"processorArchitecture", "X86"}, {"name", name}, {"type", "win32"}}));
  EXPECT_EQ(identities[1], (std::map<std::string, std::string>{{"type", "win32"},
                                                               {"name", "Microsoft.Windows.Common-Controls"},
                                                               {"version", "6.0.0.0"},
                                                               {"processorArchitecture", "X86"},
                                                               {"publicKeyToken", "6595b64144ccf1df"},
                                                               {"language", "*"}}));
  EXPECT_NE(xml.find("<description>Lumiqa</description>"), std::string::npos);
  ASSERT_EQ(Elements(xml, "trustInfo").size(), 1u);
  EXPECT_EQ(Elements(xml, "trustInfo")[0].at("xmlns"), "urn:schemas-microsoft-com:asm.v3");
  EXPECT_EQ(Elements(xml, "requestedExecutionLevel"),
            (std::vector<std::map<std::string, std::string>>{{{"level", "asInvoker"}, {"uiAccess", "false"}}}));
}

}  // namespace
