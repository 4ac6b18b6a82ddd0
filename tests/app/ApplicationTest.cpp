#include "app/KindlebrookV1Application.h"

#include <gtest/gtest.h>

TEST (KindlebrookV1Application, ReportsTheVersionOfTheBuild)
{
    EXPECT_EQ (KindlebrookV1Application().getApplicationVersion(), KB_PROJECT_VERSION);
}
