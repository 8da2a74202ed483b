// The built-in code lists: blank-separated texts searched for " CODE ".
#pragma once

#include <string_view>

namespace tallyhawk {

// US states and Canadian provinces: no blank after the last code, and AR twice.
inline constexpr std::string_view WasList =
    " CT MA ME NH RI VT NJ NY DC DE MD PA AL FL GA KY NC SC TN VA AR AR LA MS NM OK TX CA AZ ID MT NV OR UT WA "
    "WY MI OH WV IL IN WI CO IA KS MN MO NE ND SD AK HI NB NS QC ON MB SK AB BC NT NF LB YT PE";
inline constexpr std::string_view EuCountryList =
    " CT CU DL EA EA6 EI F G GD GI GJ GM GU GW I IS LX OE OH OH0 OJ0 OZ PA SM SV SV5 SV9 SY TK ";
inline constexpr std::string_view BelgianProvinceList = " AN BW HT LB LG NM LU OV VB WV BR ";
inline constexpr std::string_view FrancophoneList =
    " C3 CN D6 HB HH HI J2 LX OD ON TJ TL TN TR TT TU TY TZ VE XT YJ 3A 3V 3X 4U1/i 5R 5T 5V 6W 7X ";
inline constexpr std::string_view DutchProvinceList = " GR FR DR OV GD UT NH ZH FL ZL NB LB ";
inline constexpr std::string_view BritishList = " G GI GD GJ GM GU GW ";
inline constexpr std::string_view ScandinavianList = " JW JX LA OH OH0 OJ0 OX OY OZ SM TF ";
inline constexpr std::string_view UkrainianOblastList =
    " VI VO LU DN ZH ZA ZP KO KI KR LV NI OD PO RI DO IF SU TE HA HE HM CH CR CN KV SL ";
inline constexpr std::string_view CqmSpecialAreaList = " RA1O RA0B RA0C RA0F RA0K RA0Q RA0Z ";
inline constexpr std::string_view CqmRepublicList =
    " 1N 4P 4S 4U 4W 4Y 6E 6I 6J 6P 6Q 6W 6X 6Y 9W 9X 9Z 0O 0Q 0W 0Y 0F ";

}  // namespace tallyhawk
