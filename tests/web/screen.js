// Reads the game's screen back as text, as tests/e2e/screen_reader.cpp does
// for the desktop window: every 8 x 8 cell's lit pixels matched against the
// glyphs of the game's own font. Pictures are PNG files (puppeteer's
// screenshots, the font assetgen draws), decoded here with node's zlib.
'use strict';
const zlib = require('zlib');

const CELL = 8;
const COLUMNS = 50;
const ROWS = 70;
const GLYPHS_PER_SIDE = 16;
const LIT = 24;  // black is the only background; anything brighter is ink

// A PNG that is not interlaced, 8 bits a sample (puppeteer's screenshots) or
// grey of 1 to 8 bits (the font): { width, height, pixel(x, y) -> [r, g, b] }.
function decodePng(bytes) {
  let at = 8;
  let width = 0, height = 0, depth = 0, type = 0;
  const idat = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const kind = bytes.toString('latin1', at + 4, at + 8);
    const data = bytes.subarray(at + 8, at + 8 + length);
    if (kind === 'IHDR') {
      width = data.readUInt32BE(0);
      height = data.readUInt32BE(4);
      [depth, type] = [data[8], data[9]];
      if (data[12] !== 0) throw new Error('interlaced PNG');
    } else if (kind === 'IDAT') {
      idat.push(data);
    }
    at += 12 + length;
  }
  const channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[type];
  if (!channels || (depth !== 8 && type !== 0)) throw new Error(`PNG colour type ${type}, ${depth} bits`);
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = Math.ceil((width * channels * depth) / 8);
  const step = Math.max(1, (channels * depth) / 8);  // the filters' byte distance
  const out = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const value = raw[y * (stride + 1) + 1 + x];
      const a = x >= step ? out[y * stride + x - step] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= step && y > 0 ? out[(y - 1) * stride + x - step] : 0;
      let predicted = 0;
      if (filter === 1) predicted = a;
      else if (filter === 2) predicted = b;
      else if (filter === 3) predicted = (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      out[y * stride + x] = (value + predicted) & 0xff;
    }
  }
  const pixel = (x, y) => {
    if (depth < 8) {
      const bit = x * depth;
      const level = (out[y * stride + (bit >> 3)] >> (8 - depth - (bit & 7))) & ((1 << depth) - 1);
      const grey = Math.round((255 * level) / ((1 << depth) - 1));
      return [grey, grey, grey];
    }
    const i = y * stride + x * channels;
    return channels < 3 ? [out[i], out[i], out[i]] : [out[i], out[i + 1], out[i + 2]];
  };
  return { width, height, pixel };
}

const lit = ([r, g, b]) => r >= LIT || g >= LIT || b >= LIT;

function cellMask(image, left, top) {
  let mask = 0n;
  for (let y = 0; y < CELL; ++y) {
    for (let x = 0; x < CELL; ++x) {
      if (lit(image.pixel(left + x, top + y))) mask |= 1n << BigInt(y * CELL + x);
    }
  }
  return mask;
}

// Code c sits at column c / 16, row c % 16 of the sheet; where glyphs share a
// picture (the blanks), printable ASCII wins.
function glyphCodes(font) {
  const codes = new Map();
  for (let c = 255; c >= 0; --c) {
    const mask = cellMask(font, Math.floor(c / GLYPHS_PER_SIDE) * CELL, (c % GLYPHS_PER_SIDE) * CELL);
    if (!codes.has(mask) || (c >= 32 && c <= 126)) codes.set(mask, c);
  }
  return codes;
}

// A reader for one font: read(png) gives the 70 rows, with '#' for glyphs
// outside printable ASCII and '?' for cells that match none.
function screenReader(fontPng) {
  const codes = glyphCodes(decodePng(fontPng));
  return function read(shotPng) {
    const shot = decodePng(shotPng);
    if (shot.width !== COLUMNS * CELL || shot.height !== ROWS * CELL) {
      throw new Error(`screenshot ${shot.width} x ${shot.height}, expected the console's 400 x 560`);
    }
    const rows = [];
    for (let row = 0; row < ROWS; ++row) {
      let line = '';
      for (let column = 0; column < COLUMNS; ++column) {
        const c = codes.get(cellMask(shot, column * CELL, row * CELL));
        line += c === undefined ? '?' : c >= 32 && c <= 126 ? String.fromCharCode(c) : '#';
      }
      rows.push(line);
    }
    return {
      rows,
      shows: (x, y, text) => rows[y].substr(x, text.length) === text,
      // The most common lit colour of a cell, "r g b", or "dark".
      colour(x, y) {
        const counts = new Map();
        for (let dy = 0; dy < CELL; ++dy) {
          for (let dx = 0; dx < CELL; ++dx) {
            const p = shot.pixel(x * CELL + dx, y * CELL + dy);
            if (lit(p)) counts.set(p.join(' '), (counts.get(p.join(' ')) || 0) + 1);
          }
        }
        let best = 'dark', most = 0;
        for (const [c, n] of counts) if (n > most) [best, most] = [c, n];
        return best;
      },
    };
  };
}

module.exports = { screenReader, decodePng };
