# How Trains Work

According to the opening, journeys that once took weeks could be made in what time?
+ in a single day
- in a few hours
- in two or three days
- in less than a week

The text says one engine pulls heavy cars with less effort than what?
- horses pulling carts
- ships on a canal
+ trucks on the roads
- cars on a motorway

Where on a wheel does the text place the flange?
- on its outer edge
+ on its inner edge
- on both of its edges
- across its middle

Besides a small crack, what fault in the track does the text warn about?
- a bent rail
- a rotten sleeper
- a blocked drain
+ a loose bolt

What does the text explain right after the rails, sleepers and stone bed?
+ how the first steam engines worked
- how signals keep trains apart
- what kinds of trains there are
- how flanges keep wheels on the track

Which of these loads does the text list for freight trains?
- oil
+ grain
- cattle
- sand

Which part of a train's charm does the last paragraph name?
- the food in the dining car
- the sound of the whistle
+ the beat of the wheels
- the chat with other travellers

In its final sentence, how does the text describe the train?
- a safe and cheap way to travel
- a fast and clean way to travel
- an old but much-loved way to travel
+ a clever and practical way to travel
