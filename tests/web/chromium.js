// Debian's chromium, headless, with nothing of its own on the network and a
// fresh profile: the browser test and tools/web_figures.js start it alike.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = '/usr/bin/chromium';

// The profile goes when the browser does.
async function launchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ember-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  browser.on('disconnected', () => fs.rmSync(profile, { recursive: true, force: true }));
  return browser;
}

module.exports = { CHROMIUM, launchChromium };
