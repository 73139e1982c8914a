# The Lighthouse Keeper in the Old Days

What is the text mainly about?
+ the life and work of lighthouse keepers in the past
- how lighthouses were built on bare rocks at sea
- the great shipwrecks that happened near the coast
- why ships today no longer need any lighthouses

What could keep a team of keepers on a rock for extra days?
- a broken lamp that had to be mended first
- a storm that knocked out the station's radio
- orders to finish painting the tower
+ rough seas holding back the relief boat

Why were keepers sometimes given the nickname "wickies"?
- they lived in cottages built of wicker
+ they trimmed the wicks of the oil lamps
- they carried oil up in wicker baskets
- they put up wicker screens against the wind

Where did the strong beam of the early lights come from?
- a row of mirrors set behind the flame
- many small lamps burning side by side
+ a large lens built from rings of prisms
- a tall chimney that fed air to the flame

What did the keeper have to do every few hours?
- fill the lamp with fresh oil
- climb out to wipe the outer glass
- ring the bell for passing ships
+ wind the clockwork weight back up

What did the keeper note in the log book each day?
+ the weather and any ships that passed
- the oil used and the wicks trimmed
- the names of visitors to the tower
- the times the relief boat came by

What did keepers turn to when thick fog rolled in?
- coloured flags on the tower
- a second and brighter lamp
+ a large bell or a deep horn
- rockets fired into the sky

What brought the keepers' way of life to an end?
- a law that closed most of the old towers
+ electric lamps and machines doing the work
- ships that stopped sailing near the coast
- storms that wrecked most of the towers
