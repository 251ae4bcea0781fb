#include "DocumentTestSupport.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>

namespace joyvane::test {

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    if (!input)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream bytes;
    bytes << input.rdbuf();
    return bytes.str();
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream output(file, std::ios::binary);
    output.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!output)
        throw std::runtime_error("cannot write " + file.string());
}

const std::string_view birthdayCard = R"(<?xml version="1.0" encoding="UTF-8"?>
<Movie>
  <BgColor>16777215</BgColor>
  <BgPic />
  <Width>390</Width>
  <Height>320</Height>
  <Rate>15</Rate>
  <TotalFrames>40</TotalFrames>
  <Times>0</Times>
  <FileSize>0</FileSize>
  <MovieName />
  <Author />
  <Loop>True</Loop>
  <Obj>
    <ObjName>Text_1</ObjName>
    <StartTime>0</StartTime>
    <EndTime>24</EndTime>
    <Layer>2</Layer>
    <ObjTypeName>Text</ObjTypeName>
    <ObjType>
      <ObjText>
        <Content>Happy Birthday</Content>
        <TextUnit>1</TextUnit>
        <FontName>Arial</FontName>
        <FontSize>36</FontSize>
        <FontColor>255</FontColor>
        <PositionX>40</PositionX>
        <PositionY>120</PositionY>
        <EffectName>Come In</EffectName>
        <EffectValue />
        <ExScale>0</ExScale>
        <ExRotate>0</ExRotate>
        <ExShock>0</ExShock>
        <ExColor>0</ExColor>
        <ExAlpha>0</ExAlpha>
        <ExSpeed>24</ExSpeed>
      </ObjText>
    </ObjType>
  </Obj>
</Movie>
)";

const std::string_view emptyCard = R"(<?xml version="1.0" encoding="UTF-8"?>
<Movie>
  <BgColor>16777215</BgColor>
  <BgPic />
  <Width>390</Width>
  <Height>320</Height>
  <Rate>15</Rate>
  <TotalFrames>1</TotalFrames>
  <Times>0</Times>
  <FileSize>0</FileSize>
  <MovieName />
  <Author />
  <Loop>True</Loop>
</Movie>
)";

} // namespace joyvane::test
