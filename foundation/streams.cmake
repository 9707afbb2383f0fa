list(APPEND FOUNDATION_SOURCES
    streams/KBufferedFile.cpp
    streams/KFile.cpp
    streams/KFileDialogs.cpp
    streams/KFileExtension.cpp
    streams/KFileIO.cpp
    streams/KGeometryRecord.cpp
    streams/KListRecord.cpp
    streams/KPersistent.cpp
    streams/KReplacingFile.cpp
    streams/KStream.cpp
    streams/KStreamText.cpp
    streams/KStringRecord.cpp
)
list(APPEND FOUNDATION_LIBS comdlg32 shell32 ole32)
