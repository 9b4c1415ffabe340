// Table rows carry a `name`; the generated cases are called after it.
#pragma once

#include <gtest/gtest.h>

#include <string>

// The name generator of INSTANTIATE_TEST_SUITE_P for such tables.
struct RowName
{
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};
