#pragma once

#include <cstdint>

namespace mw {

// 0..642 name standard foods; 643 and above name personal food number id - 642.
using FoodId = std::uint16_t;
// Grams of a meal entry; 0 means one serving.
using Grams = std::uint16_t;

inline constexpr int kStandardFoodCount = 643;
inline constexpr FoodId kFirstPersonalFoodId = 643;
// The attribute store holds words for FoodIds up to this one, so personal foods stop at 4000.
inline constexpr FoodId kLastUsableFoodId = 4642;
inline constexpr int kMaxPersonalFoods = kLastUsableFoodId - kFirstPersonalFoodId + 1;

inline constexpr int kNutrientCount = 28;
inline constexpr int kMealCount = 6;
inline constexpr int kFoodGroupCount = 30;
inline constexpr int kPyramidGroupCount = 6;

constexpr bool isStandardFood(FoodId id)
{
    return id < kStandardFoodCount;
}

// Column order of every nutrient vector; slot 0 is the weight of the portion described.
enum NutrientIndex : int
{
    kWeight = 0,
    kCalories,
    kProtein,
    kCarbohydrate,
    kTotalFat,
    kSaturatedFat,
    kMonounsaturatedFat,
    kPolyunsaturatedFat,
    kCholesterol,
    kFiber,
    kVitaminA,
    kVitaminE,
    kVitaminC,
    kThiamin,
    kRiboflavin,
    kNiacin,
    kVitaminB6,
    kFolate,
    kVitaminB12,
    kCalcium,
    kPhosphorus,
    kMagnesium,
    kIron,
    kZinc,
    kCopper,
    kSodium,
    kPotassium,
    kAlcohol,
};

enum MealIndex : int
{
    kBreakfast = 0,
    kMorningSnack,
    kLunch,
    kAfternoonSnack,
    kDinner,
    kEveningSnack,
};

// Pyramid slots in memory; files number them 1..6.
enum PyramidGroup : int
{
    kPyramidSweets = 0,
    kPyramidMilk,
    kPyramidMeat,
    kPyramidVegetable,
    kPyramidFruit,
    kPyramidBread,
};

} // namespace mw
