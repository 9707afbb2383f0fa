list(APPEND FOUNDATION_SOURCES
    streams/KBufferedFile.cpp
    streams/KFile.cpp
    streams/KFileDialogs.cpp
    streams/KFileExtension.cpp
    streams/KFileIO.cpp
    streams/KGeometryRecord.cpp
    streams/KKeptFile.cpp
    streams/KKeptFileTable.cpp
    streams/KListRecord.cpp
    streams/KPersistent.cpp
    streams/KReplacingFile.cpp
    streams/KReplacingFileNames.cpp
    streams/KStream.cpp
    streams/KStreamBuffer.cpp
    streams/KStreamText.cpp
    streams/KStringRecord.cpp
)
list(APPEND FOUNDATION_LIBS comdlg32 shell32 ole32)
list(APPEND FOUNDATION_SOURCES
    registry/KRBool.cpp
    registry/KRFloat.cpp
    registry/KRGroup.cpp
    registry/KRGroupList.cpp
    registry/KRInt.cpp
    registry/KRIterator.cpp
    registry/KRNode.cpp
    registry/KRNodeLines.cpp
    registry/KRNodeText.cpp
    registry/KRRat.cpp
    registry/KRString.cpp
    registry/KRValueOr.cpp
    registry/KRValueText.cpp
    registry/KRegistry.cpp
)
