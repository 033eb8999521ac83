#pragma once
// The device model and firmware date the device's version text carries: a three-character model code in
// characters 0..2 (character 2 the family, character 1 the variant, character 0 one more mark of family B)
// and the firmware date (yymmdd) in characters 6..11.
#include <string>

namespace device {

// The marks of the model code.
constexpr char kFamilyA = 'A';  // a capital letter
constexpr char kVariantA1 = '4';
constexpr char kVariantA2 = '7';
constexpr char kFamilyB = '1';  // a digit
constexpr char kVariantB1 = '5';
constexpr char kVariantB2 = '6';
constexpr char kVariantB3 = '3';
constexpr char kMarkP = '9';
constexpr char kFamilyC = 'C';  // a capital letter
constexpr char kVariantC1 = '8';
constexpr char kVariantC2 = '2';
constexpr char kVariantC3 = 'N';

// The model a version text names, or `current` where the code leaves it unchanged; the text is read up to
// its first zero byte or `size` characters.
int ModelFromVersion(const char* text, int size, int current);
// The leading digits of characters 6..11 as a number; 0 when there are none.
int FirmwareDateFromVersion(const char* text, int size);

// A model code that decodes to model 1..9 (for the device stand-in and tests).
std::string ModelCodeFor(int model);

// Reads g_DeviceVersion and writes g_DeviceModel (as the table says) and g_FirmwareDate.
void DecodeDeviceModel();

}  // namespace device
