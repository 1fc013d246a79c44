// Checks CAD files with real readers: ezdxf (through /usr/bin/python3) for DXF and Open
// CASCADE's IGES reader (the kv9_iges_count program) for IGES.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/test_files.h"

namespace kv9::test {

struct DxfText {
  std::string block;  // "*" for model space
  double x = 0, y = 0, height = 0, width = 0;
  std::string text;  // UTF-8, decoded in the file's code page
};
struct DxfInsert {
  std::string name;
  double x = 0, y = 0, scale = 0;
};

struct DxfSummary {
  bool loaded = false;
  std::string output;                       // the whole report, for failure messages
  std::string code_page;                    // $DWGCODEPAGE, "-" without one
  std::map<std::string, int> entities;      // model space
  std::map<std::string, int> layer_colour;  // layer name -> colour
  std::map<std::string, std::string> layer_linetype;
  // Layers that entities or block headers use and the LAYER table does not list.
  std::vector<std::string> undefined_layers;
  std::map<std::string, std::map<std::string, int>> blocks;        // name -> type -> count
  std::map<std::string, std::pair<double, double>> block_x_range;  // of each block's lines
  std::vector<DxfInsert> inserts;                                  // model space
  std::vector<DxfText> texts;                                      // blocks, then model space
  int audit_errors = -1;
};

inline DxfSummary LoadWithEzdxf(const std::string& path) {
  DxfSummary d;
  int status = 0;
  d.output = RunCommand(
      std::string(KV9_PYTHON) + " " + Quoted(KV9_DXF_CHECK_SCRIPT) + " " + Quoted(path) + " 2>&1",
      status);
  std::istringstream in(d.output);
  std::string word;
  while (in >> word) {
    if (word == "loaded") {
      d.loaded = status == 0;
    } else if (word == "entity") {
      std::string type;
      int n;
      in >> type >> n;
      d.entities[type] = n;
    } else if (word == "layer") {
      std::string name, linetype;
      int colour;
      in >> name >> colour >> linetype;
      d.layer_colour[name] = colour;
      d.layer_linetype[name] = linetype;
    } else if (word == "block") {
      std::string name, type;
      int n;
      in >> name >> type >> n;
      if (type == "-")
        d.blocks[name];
      else
        d.blocks[name][type] = n;
    } else if (word == "codepage") {
      in >> d.code_page;
    } else if (word == "undefined_layer") {
      d.undefined_layers.emplace_back();
      in >> d.undefined_layers.back();
    } else if (word == "extent") {
      std::string name;
      in >> name;
      in >> d.block_x_range[name].first >> d.block_x_range[name].second;
    } else if (word == "insert") {
      DxfInsert i;
      in >> i.name >> i.x >> i.y >> i.scale;
      d.inserts.push_back(i);
    } else if (word == "text") {
      DxfText x;
      in >> x.block >> x.x >> x.y >> x.height >> x.width;
      in.get();  // the blank before the text, which may begin with blanks of its own
      std::getline(in, x.text);
      d.texts.push_back(x);
    } else if (word == "audit") {
      in >> d.audit_errors;
    } else {
      std::string rest;
      std::getline(in, rest);
    }
  }
  return d;
}

struct IgesSummary {
  bool loaded = false;
  std::string output;
  int entities = -1;
  int fails = -1;
  bool has_box = false;  // bounding box of the geometry the reader transferred
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

inline IgesSummary LoadWithOpenCascade(const std::string& path) {
  IgesSummary g;
  int status = 0;
  g.output = RunCommand(Quoted(KV9_IGES_COUNT_PATH) + " " + Quoted(path) + " 2>&1", status);
  std::istringstream in(g.output);
  std::string word;
  while (in >> word) {
    if (word == "entities") in >> g.entities;
    if (word == "fails") in >> g.fails;
    if (word == "bbox") g.has_box = static_cast<bool>(in >> g.xmin >> g.ymin >> g.xmax >> g.ymax);
  }
  g.loaded = status == 0 && g.entities >= 0;
  return g;
}

// The checks every complete file of the tests goes through.
inline void ExpectIgesLoads(const std::string& path, int entities) {
  IgesSummary g = LoadWithOpenCascade(path);
  EXPECT_TRUE(g.loaded) << g.output;
  EXPECT_EQ(g.entities, entities) << g.output;
  EXPECT_EQ(g.fails, 0) << g.output;
}

}  // namespace kv9::test
