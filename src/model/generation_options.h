// What the user chose for the problems of a worksheet: the values the sweep reads.
#pragma once

#include <cstdint>

namespace dudedur {

struct GenerationOptions {
    bool addition = true;         // "Dodawanie"
    bool subtraction = false;     // "Odejmowanie"
    bool multiplication = false;  // "Mnożenie"
    bool division = false;        // "Dzielenie"
    bool threeArguments = false;  // "Zadania z trzema argumentami"
    bool brackets = false;        // "Zadania z nawiasami"; only in force with threeArguments
    bool skipZeroAndOne = false;  // "Pomiń dla argumentów wartości jeden i zero"
    int32_t addRange = 10;        // "Dodawanie i odejmowanie w zakresie"
    int32_t mulRange = 20;        // "Mnożenie i dzielenie w zakresie"
};

}  // namespace dudedur
