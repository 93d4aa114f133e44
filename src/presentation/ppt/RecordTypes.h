#pragma once
#include <cstdint>

namespace sw::pres::ppt::rt {

// Record types of the PowerPoint Document stream and of the OfficeArt
// drawings inside it (only those the reader looks at; all others are skipped).
inline constexpr std::uint16_t Document = 0x03E8;
inline constexpr std::uint16_t Slide = 0x03EE;
inline constexpr std::uint16_t SlideAtom = 0x03EF;
inline constexpr std::uint16_t Environment = 0x03F2;
inline constexpr std::uint16_t SlidePersistAtom = 0x03F3;
inline constexpr std::uint16_t MainMaster = 0x03F8;
inline constexpr std::uint16_t SlideShowSlideInfoAtom = 0x03F9;
inline constexpr std::uint16_t VbaInfo = 0x03FF;
inline constexpr std::uint16_t VbaInfoAtom = 0x0400;
inline constexpr std::uint16_t Drawing = 0x040C;
inline constexpr std::uint16_t DocInfoList = 0x07D0;
inline constexpr std::uint16_t FontCollection = 0x07D5;
inline constexpr std::uint16_t ColorSchemeAtom = 0x07F0;
inline constexpr std::uint16_t PlaceholderAtom = 0x0BC3;
inline constexpr std::uint16_t OutlineTextRefAtom = 0x0F9E;
inline constexpr std::uint16_t TextHeaderAtom = 0x0F9F;
inline constexpr std::uint16_t TextCharsAtom = 0x0FA0;
inline constexpr std::uint16_t StyleTextPropAtom = 0x0FA1;
inline constexpr std::uint16_t TextMasterStyleAtom = 0x0FA3;
inline constexpr std::uint16_t TextBytesAtom = 0x0FA8;
inline constexpr std::uint16_t FontEntityAtom = 0x0FB7;
inline constexpr std::uint16_t SlideNumberMCAtom = 0x0FD8;
inline constexpr std::uint16_t SlideListWithText = 0x0FF0;
inline constexpr std::uint16_t UserEditAtom = 0x0FF5;
inline constexpr std::uint16_t CurrentUserAtom = 0x0FF6;
inline constexpr std::uint16_t DateTimeMCAtom = 0x0FF7;
inline constexpr std::uint16_t GenericDateMCAtom = 0x0FF8;
inline constexpr std::uint16_t HeaderMCAtom = 0x0FF9;
inline constexpr std::uint16_t FooterMCAtom = 0x0FFA;
inline constexpr std::uint16_t RtfDateTimeMCAtom = 0x1015;
inline constexpr std::uint16_t PersistDirectoryAtom = 0x1772;

inline constexpr std::uint16_t OfficeArtDg = 0xF002;
inline constexpr std::uint16_t OfficeArtSpgr = 0xF003;
inline constexpr std::uint16_t OfficeArtSp = 0xF004;
inline constexpr std::uint16_t OfficeArtClientTextbox = 0xF00D;
inline constexpr std::uint16_t OfficeArtClientData = 0xF011;

}  // namespace sw::pres::ppt::rt
