#pragma once

#include <string>

// What the console shows, byte for byte, as the tests expect it.
namespace vortanex::testing {

inline const std::string namePrompt = " Enter Output File Name:\r\n";
inline const std::string overwriteQuestion =
    " OUTPUT FILE ALREADY EXISTS.  DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) \r\n";
// The questions after the file name, one value in every list.
inline const std::string valuePrompts =
    " How many wheel loadings do you want?\r\n"
    " Enter the wheel loading in kips: 16 for HS 20\r\n"
    " How many top covers do you want?\r\n"
    " Enter top cover in inches: 2, 2.25, 2.5 or 2.75\r\n"
    " How many future paving allowances do you want?\r\n"
    " Enter the future paving allowance in kips/ft^2: 0.03 See Design Memo No. 4.04\r\n"
    " How many steel stresses do you want?\r\n"
    " Enter the allowable steel stress, fs, in ksi: 24 for Grade 60 Reinforcement\r\n"
    " How many concrete stresses do you want?\r\n"
    " Enter the allowable concrete stress, fc, in ksi: 1.4 for 3.5 ksi concrete\r\n"
    " Use continuity factor?  Enter Y for YES or N for NO.\r\n";
inline const std::string fullDialog = namePrompt + valuePrompts;
inline const std::string closingMessage = "Normal termination of the VORTANEX application.\r\n";

}  // namespace vortanex::testing
