#pragma once
// A test of the route table on an open user database, the route state clean before and after.

#include "RouteTestSupport.h"
#include "UserDatabaseFixture.h"

class RouteDatabaseTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        ResetRouteState();
        open();
    }

    void TearDown() override
    {
        ResetRouteState();
        UserDatabaseTest::TearDown();
    }
};
