// The browser build's figures on this machine, printed as a table:
//
//   node tools/web_figures.js [BUILD_WEB_DIR]      (default: build-web)
//
// - Bytes a first visit transfers: every file the page asks for, served by
//   tests/web/serve.js as they are, then gzipped (level 9) as most servers
//   send them.
// - Time from loading the page to its first frame (the intro's first flush),
//   five loads in a fresh headless Chromium each: the page is unchanged, and
//   its first draw is stamped from outside (a wrapped putImageData), as
//   figures.sh stamps the desktop's first flush.
// - Frames per second over ten seconds of play (Enter, then the gun held and
//   the ship weaving): a frame is a flush of the game (see stampFrames); the
//   gaps between frames after the first second.
// - The game's own work per frame over the golden level: frame_bench built
//   for the web, under node (the same V8 as Chromium's).
'use strict';
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const tests = path.join(__dirname, '..', 'tests', 'web');
const { launchChromium } = require(path.join(tests, 'chromium'));
const { serve } = require(path.join(tests, 'serve'));

const build = path.resolve(process.argv[2] || 'build-web');
const page = path.join(build, 'page');
const LOADS = 5;
const PLAY_SECONDS = 10;
const sleep = ms => new Promise(done => setTimeout(done, ms));
const row = (label, text) => console.log(label.padEnd(36) + text);
const mb = bytes => (bytes / 1e6).toFixed(2) + ' MB';

// Stamps every frame, from outside the page, before any of its scripts run:
// `frameStamps`, each flush of the game (the timer shell/page.cpp sets at the
// end of every paced flush, seen through a wrapped setTimeout), and
// `presents`, each picture SDL puts into the canvas (its software renderer
// draws with putImageData; it presents a flush twice, and gives the browser
// its turn after each).
function stampFrames() {
  window.frameStamps = [];
  window.presents = [];
  const setTimer = window.setTimeout;
  window.setTimeout = function (callback, ...args) {
    if (String(callback).includes('evFrameGaveWay')) window.frameStamps.push(performance.now());
    return setTimer.call(this, callback, ...args);
  };
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    window.presents.push(performance.now());
    return put.apply(this, args);
  };
}

// A fresh browser on the page, its frames stamped from the start.
async function openPage(url) {
  const chromium = await launchChromium();
  const tab = await chromium.newPage();
  await tab.setViewport({ width: 400, height: 584 });
  await tab.evaluateOnNewDocument(stampFrames);
  await tab.goto(url);
  await tab.waitForFunction(() => window.presents.length > 0, { timeout: 60000 });
  return { chromium, tab };
}

async function main() {
  console.log(`Ember Vortex in a page, ${new Date().toISOString().slice(0, 16)}, ${os.cpus().length} cores,` +
    ` load average ${os.loadavg().map(l => l.toFixed(2)).join(' ')}, ${page}`);
  console.log();
  const files = fs.readdirSync(page).filter(name => fs.statSync(path.join(page, name)).isFile());
  for (const name of files.filter(n => /\.(wasm|data|js)$/.test(n))) {
    const bytes = fs.readFileSync(path.join(page, name));
    row('size of ' + name, `${mb(bytes.length)}, ${mb(require('zlib').gzipSync(bytes, { level: 9 }).length)} gzipped`);
  }

  // Bytes, and the first frame, over fresh loads.
  const firsts = [];
  for (const gzip of [false, true]) {
    const server = await serve(page, { gzip });
    const loads = gzip ? 1 : LOADS;
    for (let i = 0; i < loads; ++i) {
      const { chromium, tab } = await openPage(server.url);
      if (!gzip) firsts.push(await tab.evaluate(() => window.presents[0]));
      await sleep(500);
      await chromium.close();
    }
    row(gzip ? 'bytes of a visit, gzipped' : 'bytes of a visit, as they are',
      `${mb(server.bytesSent() / loads)} in ${server.requests.length / loads} requests`);
    await server.close();
  }
  const sorted = [...firsts].sort((a, b) => a - b);
  row('loading to the first frame', `median ${sorted[2].toFixed(0)} ms; the loads in order: ` +
    firsts.map(t => t.toFixed(0)).join(' ') + ' ms');

  // Ten seconds of play.
  const server = await serve(page);
  const { chromium, tab } = await openPage(server.url);
  await sleep(3000);  // the intro
  await tab.keyboard.down('Enter');
  await sleep(80);
  await tab.keyboard.up('Enter');
  await sleep(1500);  // the menu fades out
  await tab.keyboard.down('z');
  const from = await tab.evaluate(() => performance.now());
  for (let t = 0; t < PLAY_SECONDS; t += 2) {
    await tab.keyboard.down('ArrowLeft');
    await sleep(1000);
    await tab.keyboard.up('ArrowLeft');
    await tab.keyboard.down('ArrowRight');
    await sleep(1000);
    await tab.keyboard.up('ArrowRight');
  }
  const stamps = await tab.evaluate(start => window.frameStamps.filter(t => t >= start), from);
  const presents = await tab.evaluate(start => window.presents.filter(t => t >= start).length, from);
  await chromium.close();
  await server.close();
  const span = (stamps[stamps.length - 1] - stamps[0]) / 1000;
  const settled = stamps.filter(t => t >= stamps[0] + 1000);
  const gaps = settled.slice(1).map((t, i) => t - settled[i]).sort((a, b) => a - b);
  row('frames per second in play', `${((stamps.length - 1) / span).toFixed(1)} over ${span.toFixed(1)} s` +
    ` (${(presents / span).toFixed(1)} pictures put into the canvas a second)`);
  row('gaps between frames after 1 s', `median ${gaps[gaps.length >> 1].toFixed(1)} ms, ` +
    `99th percentile ${gaps[Math.floor(gaps.length * 0.99)].toFixed(1)} ms, worst ${gaps[gaps.length - 1].toFixed(1)} ms, ` +
    `${gaps.filter(g => g > 50).length} over 50 ms`);

  // The game's own work per frame, in WebAssembly (the benchmark is built on demand).
  spawnSync('cmake', ['--build', build, '--target', 'frame_bench'], { stdio: 'ignore' });
  const bench = spawnSync('node', ['--no-experimental-fetch', path.join(build, 'node', 'frame_bench.js')],
    { encoding: 'utf8' });
  for (const line of bench.stdout.split('\n').filter(l => /^(game's own work|whole frame|frames per second|peak)/.test(l))) {
    row('frame_bench (node): ' + line.slice(0, 17).trim(), line.slice(18).trim());
  }
  if (bench.status !== 0) row('', `(frame_bench exit status ${bench.status}: ${bench.stderr.trim()})`);
}

main().catch(error => {
  console.error(error.stack || String(error));
  process.exit(1);
});
