#pragma once

#include <cstdint>
#include <string>

#include <vector>

#include "design/Stratification.h"
#include "design/TextGrid.h"

namespace zufora {

enum class BlockSizeMode { Fixed, Variable };

// Column indexes of the arm table (StringGridArme).
inline constexpr int kArmLabelColumn = 0;
inline constexpr int kArmDescriptionColumn = 1;
inline constexpr int kArmRatioColumn = 2;
inline constexpr int kArmColumns = 3;

// Column indexes of the centre table (StringGridZentren).
inline constexpr int kCentreLabelColumn = 0;
inline constexpr int kCentreNumberColumn = 1;
inline constexpr int kCentreDescriptionColumn = 2;
inline constexpr int kCentreSampleSizeColumn = 3;
inline constexpr int kCentreColumns = 4;

// The numbers that the last check of each field accepted.
struct CheckedNumbers {
  std::int32_t arm_count = 0;
  std::int32_t sample_size = 0;
  std::int32_t centre_count = 0;
};

// Everything the user states about one trial, as the design pages hold it. Every
// field is the text as typed or loaded (cp1252); numbers are parsed only by checks.
struct StudyDesign {
  std::string study_name;               // EditStudName
  std::string arm_count = "3";          // EditArme
  std::string sample_size = "120";      // EditAnz
  bool per_centre_lists = false;        // CheckBoxZentren
  std::string centre_count;             // EditZentren
  TextGrid arms{kArmColumns, 3};        // StringGridArme: heading row + one row per arm
  TextGrid centres{kCentreColumns, 3};  // StringGridZentren: heading row + one per centre
  BlockSizeMode block_mode = BlockSizeMode::Fixed;  // RadioButton1 "fest" / RadioButton2
  std::string fixed_block_size = "12";              // EditFix
  std::string min_block_size;                       // EditVon
  std::string max_block_size;                       // EditBis
  std::string seed;                                 // EditZZ
  bool stratified = false;                          // CheckBoxStrata
  std::vector<StratificationFactor> factors;        // StringGridFaktoren, StringGridStufen
  std::string stratum_length;  // EditStratumLaenge: empty for each stratum's default
  CheckedNumbers checked;
};

// Whether the lists are drawn per stratum: stratification switched on and at least one
// factor. Otherwise the design gives the single list or the centres' lists.
inline bool Stratifies(const StudyDesign& design) {
  return design.stratified && !design.factors.empty();
}

}  // namespace zufora
