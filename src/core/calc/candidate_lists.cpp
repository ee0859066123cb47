#include "calc/candidate_lists.h"

namespace mw {
namespace {

constexpr FoodId kList0[] = {76};                                                              // bacon
constexpr FoodId kList1[] = {320, 321};                                                        // bagels
constexpr FoodId kList4[] = {57, 59, 60, 61, 62};                                              // beef, lean cuts
constexpr FoodId kList5[] = {220, 221, 209, 190, 191, 192, 193, 194, 195, 196, 197, 198, 305}; // beef dishes
constexpr FoodId kList6[] = {55, 56, 57, 59, 60, 61, 62};                                      // beef steaks and roasts
constexpr FoodId kList7[] = {454};                                                             // grapes
constexpr FoodId kList8[] = {323, 324, 325, 326, 327, 328, 331, 332, 334, 335, 336, 337};      // breads
constexpr FoodId kList9[] = {351, 348, 352, 339};                                              // rolls and croissant
constexpr FoodId kList10[] = {277, 278};                                                       // burritos
constexpr FoodId kList11[] = {278};                                                            // pork-and-bean burrito
constexpr FoodId kList13[] = {353, 354, 356, 357, 358, 359, 360, 361, 365, 367, 369, 370};     // cakes
constexpr FoodId kList15[] = {418, 419, 420};                                                  // hot oat cereals
constexpr FoodId kList17[] = {26, 28};                                                         // cheeses
constexpr FoodId kList19[] = {88, 89, 91, 92, 94, 95, 96, 98, 99, 101, 102, 103, 105};         // chicken
constexpr FoodId kList20[] = {200, 201, 202, 203, 204, 205, 206, 207, 208};           // chicken and turkey dishes
constexpr FoodId kList22[] = {16};                                                    // chocolate milk
constexpr FoodId kList23[] = {459, 469};                                              // orange and tangelo
constexpr FoodId kList24[] = {615, 617, 613, 614, 616};                               // coffee
constexpr FoodId kList25[] = {427, 429, 431, 432, 433, 435, 438, 439, 440, 441, 442}; // cold cereals
constexpr FoodId kList27[] = {31};                                                    // cottage cheese
constexpr FoodId kList28[] = {402, 403, 404, 405, 406};                               // crackers
constexpr FoodId kList30[] = {347, 350, 351, 348};                                    // rolls
constexpr FoodId kList31[] = {371, 374, 375};                                         // doughnut and fritters
constexpr FoodId kList32[] = {112, 113};                                              // duck and game hen
constexpr FoodId kList33[] = {46, 47, 49, 50, 51};                                    // eggs
constexpr FoodId kList35[] = {133, 135, 137, 138, 140, 142, 143, 144, 146, 147, 148, 150,
                              151, 152, 153, 154, 157, 158, 159, 160, 161, 162, 163}; // fish
constexpr FoodId kList36[] = {228, 226, 210, 211, 212};                               // seafood dishes
constexpr FoodId kList38[] = {121, 178};                                              // frankfurters
constexpr FoodId kList39[] = {121};                                                   // chicken frankfurter
constexpr FoodId kList41[] = {454, 469};                                              // grapes and tangelo
constexpr FoodId kList42[] = {469};                                                   // tangelo
constexpr FoodId kList44[] = {459, 469};                                              // mandarin orange and tangelo
constexpr FoodId kList45[] = {469};                                                   // tangelo
constexpr FoodId kList47[] = {343, 320};                                              // English muffin and bagel
constexpr FoodId kList48[] = {74, 75};                                                // ham
constexpr FoodId kList49[] = {173, 174, 176, 177};                                    // burgers
constexpr FoodId kList50[] = {173};                                                   // cheeseburger
constexpr FoodId kList51[] = {174, 175, 176};                                         // small burgers
constexpr FoodId kList52[] = {22, 19};                                                // ice cream
constexpr FoodId kList53[] = {19, 21, 22};                                            // ice cream
constexpr FoodId kList55[] = {470, 471, 472, 473, 475, 476, 478};                     // fruit juices
constexpr FoodId kList56[] = {77, 78, 79};                                            // lamb
constexpr FoodId kList57[] = {217};                                                   // lamb stew
constexpr FoodId kList58[] = {287, 288};                                              // lasagna
constexpr FoodId kList59[] = {218, 115, 116, 117};                                    // liver
constexpr FoodId kList60[] = {169, 170, 171};                                         // shellfish
constexpr FoodId kList61[] = {216, 219};                                              // meat salads
constexpr FoodId kList65[] = {302, 283, 284};                                         // tacos and enchiladas
constexpr FoodId kList66[] = {0};                                                     // milk
constexpr FoodId kList67[] = {0, 7, 26};                                              // milk, yogurt, cheese
constexpr FoodId kList70[] = {454, 469};                                              // grapes and tangelo
constexpr FoodId kList71[] = {341, 342, 343, 344, 345, 346};                          // muffins
constexpr FoodId kList72[] = {417};                                                   // egg noodles
constexpr FoodId kList73[] = {503};                                                   // peanuts
constexpr FoodId kList76[] = {407, 411};                                              // pancake and waffle
constexpr FoodId kList77[] = {415};                                                   // macaroni
constexpr FoodId kList81[] = {377, 379, 382, 386, 388};                               // pies
constexpr FoodId kList82[] = {179, 181};                                              // pizza
constexpr FoodId kList83[] = {408, 409, 410};                                         // rice and popcorn cakes
constexpr FoodId kList84[] = {64, 65, 66, 67, 68, 69, 70, 71, 72};                    // pork
constexpr FoodId kList85[] = {223, 224, 199, 214};                                    // pork dishes
constexpr FoodId kList86[] = {563, 564, 565, 566, 567, 568, 569};                     // potatoes
constexpr FoodId kList88[] = {42};                                                    // Indian pudding
constexpr FoodId kList89[] = {49, 50};                                                // omelets
constexpr FoodId kList90[] = {421, 422, 423};                                         // rice
constexpr FoodId kList91[] = {285, 298, 300};                                         // rice dishes
constexpr FoodId kList92[] = {216, 485, 484};                                         // salads
constexpr FoodId kList94[] = {37, 281, 502, 182, 183, 184, 185, 186, 188, 189};       // sandwiches
constexpr FoodId kList95[] = {37, 281, 502, 182, 183, 184, 185, 186, 189};            // sandwiches
constexpr FoodId kList98[] = {168};                                                   // crayfish
constexpr FoodId kList99[] = {172};                                                   // shrimp
constexpr FoodId kList100[] = {229, 230, 231, 235, 236, 237, 238};                    // mixed main dishes
constexpr FoodId kList101[] = {623, 626, 627, 629, 631, 632};                         // soda and fruit drinks
constexpr FoodId kList102[] = {48, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 317, 318}; // soups
constexpr FoodId kList104[] = {424, 299};           // vermicelli and spaghetti
constexpr FoodId kList105[] = {289, 290, 299};      // macaroni dishes
constexpr FoodId kList106[] = {390, 391};           // strudel and turnover
constexpr FoodId kList109[] = {618, 619, 620, 621}; // tea
constexpr FoodId kList110[] = {269, 270};           // tomato vegetables
constexpr FoodId kList111[] = {108, 109, 110, 107}; // turkey
constexpr FoodId kList112[] = {556};                // turnip greens
constexpr FoodId kList113[] = {80, 81, 82};         // veal
constexpr FoodId kList114[] = {239, 240};           // veal and venison stews
constexpr FoodId kList115[] = {273, 276, 274, 275, 506, 507, 508, 510, 511, 512, 513, 514, 515, 516,
                               520, 521, 522, 523, 524, 525, 527, 528, 529, 530, 531, 534, 535, 536,
                               537, 538, 539, 540, 541, 542, 545, 548, 550, 551, 553, 556}; // vegetables
constexpr FoodId kList117[] = {256};                                                        // mixed salad greens
constexpr FoodId kList118[] = {557};                                                        // water chestnut
constexpr FoodId kList119[] = {514};                                                        // broccoli
constexpr FoodId kList120[] = {519};                                                        // carrots
constexpr FoodId kList122[] = {86};                                                         // venison
constexpr FoodId kList123[] = {622};                                                        // carbonated water
constexpr FoodId kList125[] = {7};                                                          // plain yogurt
constexpr FoodId kList126[] = {5, 6};                                                       // frozen yogurt

struct ListEntry
{
    int number;
    std::span<const FoodId> ids;
};

constexpr ListEntry kLists[] = {
    {0, kList0},     {1, kList1},     {4, kList4},     {5, kList5},     {6, kList6},     {7, kList7},
    {8, kList8},     {9, kList9},     {10, kList10},   {11, kList11},   {13, kList13},   {15, kList15},
    {17, kList17},   {19, kList19},   {20, kList20},   {22, kList22},   {23, kList23},   {24, kList24},
    {25, kList25},   {27, kList27},   {28, kList28},   {30, kList30},   {31, kList31},   {32, kList32},
    {33, kList33},   {35, kList35},   {36, kList36},   {38, kList38},   {39, kList39},   {41, kList41},
    {42, kList42},   {44, kList44},   {45, kList45},   {47, kList47},   {48, kList48},   {49, kList49},
    {50, kList50},   {51, kList51},   {52, kList52},   {53, kList53},   {55, kList55},   {56, kList56},
    {57, kList57},   {58, kList58},   {59, kList59},   {60, kList60},   {61, kList61},   {65, kList65},
    {66, kList66},   {67, kList67},   {70, kList70},   {71, kList71},   {72, kList72},   {73, kList73},
    {76, kList76},   {77, kList77},   {81, kList81},   {82, kList82},   {83, kList83},   {84, kList84},
    {85, kList85},   {86, kList86},   {88, kList88},   {89, kList89},   {90, kList90},   {91, kList91},
    {92, kList92},   {94, kList94},   {95, kList95},   {98, kList98},   {99, kList99},   {100, kList100},
    {101, kList101}, {102, kList102}, {104, kList104}, {105, kList105}, {106, kList106}, {109, kList109},
    {110, kList110}, {111, kList111}, {112, kList112}, {113, kList113}, {114, kList114}, {115, kList115},
    {117, kList117}, {118, kList118}, {119, kList119}, {120, kList120}, {122, kList122}, {123, kList123},
    {125, kList125}, {126, kList126},
};

} // namespace

std::span<const FoodId> candidateList(int list)
{
    for (const ListEntry& entry : kLists) {
        if (entry.number == list) {
            return entry.ids;
        }
    }
    return {};
}

} // namespace mw
