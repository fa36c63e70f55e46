// The page as an installed program and without the network: the manifest
// of the edition the address names, so that the installed page opens in
// it, and the worker that keeps the site (service-worker.js). When a new
// version of the site has taken the worker's place, the page on screen
// goes on as it is (its order, and the recovery copy, stay) and says so.
(() => {
  if (new URLSearchParams(location.search).get('edition') === 'shop') {
    document.querySelector('link[rel=manifest]').href = 'shop.webmanifest';
  }
  if (!('serviceWorker' in navigator)) return;
  const updating = !!navigator.serviceWorker.controller;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!updating || document.getElementById('updated')) return;
    const note = document.createElement('div');
    note.id = 'updated';
    note.setAttribute('role', 'status');
    note.textContent = 'このページは新しい版に更新されました。次に開くときから新しい版で動きます。';
    const now = document.createElement('button');
    now.type = 'button';
    now.textContent = '今すぐ開き直す';
    now.addEventListener('click', () => location.reload());
    note.append(' ', now);
    Object.assign(note.style, {
      position: 'fixed', left: '8px', bottom: '8px', zIndex: '100', padding: '6px 10px',
      background: '#ffffe1', border: '1px solid #767676', font: '14px sans-serif',
    });
    document.body.append(note);
  });
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('service-worker.js').catch(() => {
      // Without a worker (a browser that keeps nothing for the site) the
      // page works as long as the network does.
    });
  });
})();
