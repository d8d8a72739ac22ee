// One Qt application for the whole test program (offscreen platform).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};

inline ::testing::Environment* const kQtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
