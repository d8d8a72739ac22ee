// Files and archives on real files: what a reader shares, when a new file replaces
// the old one, and the texts of the failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "framework/archive.h"
#include "framework/file.h"
#include "qt_app_fixture.h"

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class Files : public ::testing::Test {
protected:
    std::string Path(const char* name) const {
        return m_dir.filePath(QString::fromUtf8(name)).toStdString();
    }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile file(QString::fromStdString(Path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList Listing() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_dir;
};

TEST_F(Files, ANewFileReplacesTheOldOneOnlyWhenClosed) {
    Write("doc", "old");
    {
        CFile file;
        ASSERT_TRUE(file.Open(Path("doc").c_str(), CFile::modeCreate | CFile::modeWrite));
        file.Write("new", 3);
        EXPECT_EQ(Contents(QString::fromStdString(Path("doc"))), "old");
        file.Close();
    }
    EXPECT_EQ(Contents(QString::fromStdString(Path("doc"))), "new");
    {
        CFile abandoned;  // goes without Close, as when a save throws
        ASSERT_TRUE(abandoned.Open(Path("doc").c_str(), CFile::modeCreate | CFile::modeWrite));
        abandoned.Write("lost", 4);
    }
    EXPECT_EQ(Contents(QString::fromStdString(Path("doc"))), "new");
    EXPECT_EQ(Listing(), QStringList{"doc"});
}

TEST_F(Files, AReaderDeniesWritersAndAWriterDeniesEveryone) {
    Write("doc", "x");
    CFile reader;
    ASSERT_TRUE(reader.Open(Path("doc").c_str(), CFile::modeRead | CFile::shareDenyWrite));
    CFile otherReader;
    EXPECT_TRUE(otherReader.Open(Path("doc").c_str(), CFile::modeRead | CFile::shareDenyWrite));
    otherReader.Close();
    CFile writer;
    CFileException error;
    EXPECT_FALSE(writer.Open(Path("doc").c_str(),
                             CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    reader.Close();

    ASSERT_TRUE(writer.Open(Path("doc").c_str(),
                            CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    EXPECT_FALSE(reader.Open(Path("doc").c_str(), CFile::modeRead | CFile::shareDenyWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    writer.Abort();
}

// Each cause has its text, naming the full path.
TEST_F(Files, FailuresNameTheFullPath) {
    QDir(m_dir.path()).mkdir("folder");
    struct Case {
        const char* name;
        UINT flags;
        int cause;
        const char* text;
    };
    const Case cases[] = {
        {"missing", CFile::modeRead, CFileException::fileNotFound, "%1 was not found."},
        {"no-such-folder/doc", CFile::modeCreate | CFile::modeWrite, CFileException::badPath,
         "The folder of %1 does not exist, or the path is not valid."},
        {"folder", CFile::modeCreate | CFile::modeWrite, CFileException::invalidFile,
         "%1 is not a file that can be read or written."},
        {"folder", CFile::modeRead, CFileException::invalidFile,
         "%1 is not a file that can be read or written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(Path(c.name).c_str(), c.flags, &error));
        EXPECT_EQ(error.m_cause, c.cause);
        CString message;
        error.GetErrorMessage(message);
        EXPECT_EQ(message.str(), QString::fromUtf8(c.text)
                                     .replace("%1", QString::fromStdString(Path(c.name)))
                                     .toStdString());
    }
    const struct {
        int osError;
        int cause;
    } mapped[] = {{EACCES, CFileException::accessDenied},
                  {ENOSPC, CFileException::diskFull},
                  {EMFILE, CFileException::tooManyOpenFiles},
                  {EIO, CFileException::hardIO},
                  {EWOULDBLOCK, CFileException::sharingViolation}};
    for (const auto& m : mapped) {
        EXPECT_EQ(CFileException::OsErrorToException(m.osError, Path("x").c_str()), m.cause);
    }
}

TEST_F(Files, ArchivesCarryValuesAndStopAtTheEnd) {
    {
        CFile file;
        ASSERT_TRUE(file.Open(Path("data").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 16);
        ar << BYTE{7} << WORD{0xBEEF} << DWORD{0xDEADBEEF} << CString(std::string(100, 'q'));
        ar.Close();
        file.Close();
    }
    CFile file;
    ASSERT_TRUE(file.Open(Path("data").c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_EQ(file.GetLength(), 1u + 2u + 4u + 4u + 100u);
    CArchive ar(&file, CArchive::load, 16);
    BYTE b = 0;
    WORD w = 0;
    DWORD d = 0;
    CString s;
    ar >> b >> w >> d >> s;
    EXPECT_EQ(b, 7);
    EXPECT_EQ(w, 0xBEEF);
    EXPECT_EQ(d, 0xDEADBEEFu);
    EXPECT_EQ(s.str(), std::string(100, 'q'));
    EXPECT_THROW(ar >> d, CArchiveException);
}

}  // namespace
