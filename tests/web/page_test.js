// The page in a real browser: Debian's Chromium, headless, driven by
// puppeteer-core, the page served from 127.0.0.1. Every screen is read back
// from screenshots of the canvas through the game's own font, as the
// desktop's real-window test reads its window.
//
//   node page_test.js PAGE_FOLDER FONT_PNG NATIVE_EMBER_VORTEX DESKTOP_REPLAY
//
// The title menu; a game started with Enter (the first key, which also lets
// the sound start) and its heads-up display; Escape and the game-over art;
// the game just played, downloaded and played back by the desktop program;
// an option changed, saved, and found again after a reload; a desktop
// recording watched in the page; QUIT and the closing screen; no audio
// device and its message. No request may leave the page's origin and the
// console must show no error. With EV_SCREENSHOTS set to a folder, a shot of
// the page in play is written there as screen-web.png.
'use strict';
const assert = require('assert');
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { CHROMIUM, launchChromium } = require('./chromium');
const { serve } = require('./serve');
const { screenReader } = require('./screen');

const [pageFolder, fontFile, nativeGame, desktopReplay] = process.argv.slice(2);
const SKIP = 77;
// The console shown at its own size: 400 x 560 and the legend's line.
const VIEWPORT = { width: 400, height: 584, deviceScaleFactor: 1 };
const GRAY = '127 127 127';

const sleep = ms => new Promise(done => setTimeout(done, ms));
const started = Date.now();
const note = text => console.log(`[${((Date.now() - started) / 1000).toFixed(1)}s] ${text}`);

if (!fs.existsSync(CHROMIUM)) {
  console.log(`${CHROMIUM} is missing: skipped (apt-get install chromium)`);
  process.exit(SKIP);
}
const read = screenReader(fs.readFileSync(fontFile));

async function main() {
  const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'ember-web-'));
  const server = await serve(pageFolder, { extra: { '/desktop.replay': fs.readFileSync(desktopReplay) } });
  const browser = await launchChromium();
  const origin = new URL(server.url).origin;
  const problems = [];
  let screen = null;

  async function open(query = '', before = null) {
    const page = await browser.newPage();
    await page.setViewport(VIEWPORT);
    page.on('console', message => {
      if (message.type() === 'error') problems.push('console error: ' + message.text());
    });
    page.on('pageerror', error => problems.push('page error: ' + error.message));
    page.on('request', request => {
      const url = request.url();
      if (!url.startsWith(origin + '/') && !url.startsWith('blob:' + origin) && !url.startsWith('data:')) {
        problems.push('request outside the page: ' + url);
      }
    });
    if (before) await page.evaluateOnNewDocument(before);
    await page.goto(server.url + query);
    return page;
  }

  async function shot(page) {
    const canvas = await page.$('#canvas');
    screen = read(Buffer.from(await canvas.screenshot({ type: 'png' })));
    return screen;
  }
  async function waitFor(page, seconds, what, condition) {
    const until = Date.now() + seconds * 1000;
    for (;;) {
      if (condition(await shot(page))) return;
      if (Date.now() > until) fail(`waited ${seconds} s for ${what}`);
      await sleep(150);
    }
  }
  function fail(why) {
    const grid = screen ? '\nlast screen read back:\n' + screen.rows.map(r => '  |' + r).join('\n') : '';
    throw new Error(why + grid);
  }
  // Held for a few frames: the menus read the keys' state once a frame.
  async function press(page, key) {
    await page.keyboard.down(key);
    await sleep(80);
    await page.keyboard.up(key);
  }
  async function pressUntil(page, key, what, condition) {
    for (let i = 0; i < 5; ++i) {
      await press(page, key);
      const until = Date.now() + 3000;
      while (Date.now() < until) {
        if (condition(await shot(page))) return;
        await sleep(150);
      }
    }
    fail(`pressed ${key}, waited for ${what}`);
  }
  const notGray = (s, x, y) => !['dark', GRAY].includes(s.colour(x, y));
  // Moves the highlight to the entry on row `target`, reading where it is.
  async function select(page, target, cells) {
    for (let i = 0; i < 20; ++i) {
      const s = await shot(page);
      const at = cells.filter(([x, y]) => notGray(s, x, y)).map(([, y]) => y).pop();
      if (at === target) return;
      // A screen on its way in (the menu fades in) shows no highlight yet.
      if (at === undefined) {
        await sleep(150);
        continue;
      }
      await press(page, at < target ? 'ArrowDown' : 'ArrowUp');
      await sleep(150);
    }
    fail('could not move the highlight to row ' + target);
  }
  const menuCells = [[20, 26], [20, 28], [21, 30], [21, 32], [23, 34]];
  const optionCells = [[20, 26], [22, 28], [19, 30], [18, 32], [17, 34], [18, 36]];
  const menuShown = s => s.shows(20, 26, 'Start Game') && s.shows(20, 28, 'Scoreboard') &&
    s.shows(21, 30, 'Options') && s.shows(21, 32, 'Credits') && s.shows(23, 34, 'QUIT');
  const closingText = page => page.$eval('#closed', e => (e.hidden ? null : e.innerText));
  async function waitForClosing(page, seconds) {
    const until = Date.now() + seconds * 1000;
    for (;;) {
      const text = await closingText(page);
      if (text !== null) return text;
      if (Date.now() > until) fail('no closing screen after ' + seconds + ' s');
      await sleep(200);
    }
  }

  // --- The title menu, a game, the game-over art ---------------------------------
  // The page's audio contexts are kept where the test can see them.
  let page = await open('', () => {
    const Original = window.AudioContext;
    window.audioContexts = [];
    window.AudioContext = class extends Original {
      constructor(...args) { super(...args); window.audioContexts.push(this); }
    };
  });
  assert.strictEqual(await page.title(), 'Ember Vortex');
  await waitFor(page, 60, 'the title menu', menuShown);
  assert(notGray(screen, 20, 26), 'Start Game is highlighted');
  for (const [x, y] of menuCells.slice(1)) assert.strictEqual(screen.colour(x, y), GRAY);
  note('title menu read back from the canvas');

  // Alt+Enter is the page's fullscreen, taken before the game could read its
  // Enter (which would start a game).
  await page.keyboard.down('Alt');
  await press(page, 'Enter');
  await page.keyboard.up('Alt');
  await page.waitForFunction(() => document.fullscreenElement !== null, { timeout: 5000 });
  await sleep(500);
  assert(menuShown(await shot(page)), 'Alt+Enter left the menu standing');
  await page.keyboard.down('Alt');
  await press(page, 'Enter');
  await page.keyboard.up('Alt');
  await page.waitForFunction(() => document.fullscreenElement === null, { timeout: 5000 });
  note('Alt+Enter: fullscreen on and off, the menu untouched');

  // The keys that would scroll the page are the game's alone.
  await page.evaluate(() => {
    window.keysLeftToPage = [];
    window.addEventListener('keydown', e => { if (!e.defaultPrevented) window.keysLeftToPage.push(e.key); });
  });

  // The first key of all starts the game and the sound alike.
  const hud = s => s.shows(2, 62, 'SCORE   = ');
  await pressUntil(page, 'Enter', 'the heads-up display', hud);
  assert(screen.shows(2, 62, 'SCORE   = 0000000000 MULTI = 1.0  HIT = 0000'), 'a fresh score');
  assert(screen.shows(2, 64, 'SHIELD  = [100][====================][   OK   ]'), 'a full shield');
  assert(screen.shows(25, 55, 'M'), 'the ship');
  const audio = await page.evaluate(() => window.audioContexts.map(c => c.state));
  assert.deepStrictEqual(audio, ['running'], 'one audio context, running after the first key');
  await press(page, 'ArrowDown');
  await press(page, ' ');
  assert.deepStrictEqual(await page.evaluate(() => window.keysLeftToPage), [], 'keys the page acted on');
  note('Enter started a game: the heads-up display, sound running; no key left to the page');

  await page.keyboard.down('z');
  await sleep(1500);
  if (process.env.EV_SCREENSHOTS) {
    await page.setViewport({ width: 720, height: 640, deviceScaleFactor: 1 });
    await page.screenshot({ path: path.join(process.env.EV_SCREENSHOTS, 'screen-web.png') });
    await page.setViewport(VIEWPORT);
    note('screenshot written to ' + process.env.EV_SCREENSHOTS);
  }
  await page.keyboard.up('z');
  const gameOver = s => s.shows(10, 28, '  /__//  / /    |/__');
  await pressUntil(page, 'Escape', 'the game-over art', gameOver);
  note('Escape gave up: the game-over art');
  const boardShown = s => s.shows(13, 18, 'RANK NAME   SCORE    HITS');
  await waitFor(page, 30, 'the scoreboard', boardShown);
  await pressUntil(page, 'Enter', 'the title menu', menuShown);

  // --- The game just played, played back by the desktop program -------------------
  const link = await page.waitForSelector('#download:not([hidden])', { timeout: 10000 });
  const recorded = await link.evaluate(a => fetch(a.href).then(r => r.arrayBuffer())
    .then(b => Array.from(new Uint8Array(b))));
  const recordedFile = path.join(tmp, 'page.replay');
  fs.writeFileSync(recordedFile, Buffer.from(recorded));
  const desktop = spawnSync(nativeGame, ['--headless', '--replay', recordedFile], { encoding: 'utf8' });
  assert.strictEqual(desktop.status, 0, 'the desktop plays the page\'s game back: ' + desktop.stderr);
  assert.match(desktop.stdout, /^game 1: \d+ frames, score 0, hits 0/);
  note('the page\'s recording plays back on the desktop: ' + desktop.stdout.split('\n')[0]);

  // --- An option, saved, kept through a reload ------------------------------------
  await select(page, 30, menuCells);
  const optionsShown = s => s.shows(20, 26, 'Particles:    ') && s.shows(18, 36, 'Exit and Save:');
  await pressUntil(page, 'Enter', 'the options', optionsShown);
  const particles = screen.shows(20, 26, 'Particles:    On ') ? 'On ' : 'Off';
  const flipped = particles === 'On ' ? 'Off' : 'On ';
  await pressUntil(page, 'Enter', 'particles ' + flipped, s => s.shows(20, 26, 'Particles:    ' + flipped));
  await select(page, 36, optionCells);
  await pressUntil(page, 'Enter', 'the title menu', menuShown);
  // Kept in IndexedDB once the page has synced the data folder.
  const saved = flipped === 'On ' ? '0 0 1 0' : '0 0 0 0';
  const kept = () => page.evaluate(() => new Promise(resolve => {
    const open = indexedDB.open('/data');
    open.onsuccess = () => {
      const get = open.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/data/userprefs.data');
      get.onsuccess = () => resolve(get.result ? new TextDecoder().decode(get.result.contents) : null);
      get.onerror = () => resolve(null);
    };
    open.onerror = () => resolve(null);
  }));
  for (let i = 0; i < 50 && (await kept()) !== saved; ++i) await sleep(100);
  assert.strictEqual(await kept(), saved, 'userprefs.data in IndexedDB');
  await page.reload();
  await waitFor(page, 60, 'the title menu after a reload', menuShown);
  await select(page, 30, menuCells);
  await pressUntil(page, 'Enter', 'the options', optionsShown);
  assert(screen.shows(20, 26, 'Particles:    ' + flipped), 'the option kept through a reload');
  await select(page, 36, optionCells);
  await pressUntil(page, 'Enter', 'the title menu', menuShown);
  note(`particles ${particles.trim()} -> ${flipped.trim()}, saved, and so after a reload`);

  // --- QUIT: the closing screen, and a new start from it --------------------------
  await select(page, 34, menuCells);
  await press(page, 'Enter');
  const thanks = await waitForClosing(page, 20);
  assert.match(thanks, /Thanks for playing Ember Vortex/);
  await Promise.all([page.waitForNavigation(), page.click('#again')]);
  await waitFor(page, 60, 'the title menu after Start again', menuShown);
  note('QUIT: the closing screen, and Start again brings the menu back');
  await page.close();

  // --- A desktop recording watched in the page ------------------------------------
  // The same lines as the desktop's own playback of it, verdict included.
  const desktopRun = spawnSync(nativeGame, ['--headless', '--replay', desktopReplay], { encoding: 'utf8' });
  const expected = desktopRun.stdout + desktopRun.stderr;
  assert(expected.includes('game 1: '), expected);
  page = await open('?replay=desktop.replay');
  const watched = await waitForClosing(page, 120);
  for (const line of expected.trim().split('\n')) {
    assert(watched.includes(line.trim()), `the page's playback printed "${line.trim()}":\n${watched}`);
  }
  assert.match(watched, /The replay has ended/);
  note('a desktop recording played in the page to the same digests');
  await page.close();

  // --- No audio device: the desktop's status 7 and its message --------------------
  page = await open('', () => {
    delete window.AudioContext;
    delete window.webkitAudioContext;
  });
  const noAudio = await waitForClosing(page, 60);
  assert.match(noAudio, /status 7/);
  assert.match(noAudio, /Unable to initialize audio/);
  note('no audio: ' + noAudio.split('\n').filter(l => l).join(' / '));
  await page.close();

  await browser.close();
  await server.close();
  fs.rmSync(tmp, { recursive: true, force: true });
  const foreign = server.requests.filter(r => !r.startsWith('/'));
  assert.deepStrictEqual(foreign, []);
  assert.deepStrictEqual(problems, [], problems.join('\n'));
  note(`passed: ${server.requests.length} requests, all to ${origin}, no console error`);
}

main().catch(error => {
  console.error(error.stack || String(error));
  process.exit(1);
});
