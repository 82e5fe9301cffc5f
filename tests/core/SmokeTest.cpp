#include <gtest/gtest.h>

#include "core/Word.hpp"

TEST(Word, DefaultsToNoPunctuation) {
    EXPECT_EQ(velora::Word{}.punctuation, velora::PunctuationWeight::none);
}
