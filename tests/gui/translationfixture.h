#pragma once

// Installs the client's compiled English translation for the tests of one
// fixture, so that widgets show the texts the client shows.

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace testsupport {

class TranslationFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_translator.load(QStringLiteral(QUENLARK_TRANSLATION_QM))) << QUENLARK_TRANSLATION_QM;
        QCoreApplication::installTranslator(&m_translator);
    }

    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

}  // namespace testsupport
