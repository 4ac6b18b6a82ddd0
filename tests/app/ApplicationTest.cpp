#include "app/KindlebrookV1Application.h"

#include <gtest/gtest.h>

// The build's project version is the one place the version is set; the program must report it.
TEST (KindlebrookV1Application, ReportsTheBuildsVersion)
{
    KindlebrookV1Application application;
    EXPECT_EQ (application.getApplicationVersion(), KB_PROJECT_VERSION);
}
