# Caring for a Dog

Which of these does the first paragraph say a dog will do?
- guard your home at night
- cheer you up when you are sad
+ greet you at the door
- wake you up each morning

What does the text say makes it easy to overfeed a dog?
+ it begs with big eyes
- it eats its food too fast
- packets suggest large portions
- it steals food from the table

What does the text say should be washed often?
- the dog's bed
+ the water bowl
- the dog's collar
- the dog's toys

What may a bored dog full of energy do, according to the text?
- bark at the door or chase the cat
- pull cushions apart or scratch doors
- steal food or chase its own tail
+ chew shoes or dig up the garden

Which rewards for good behaviour does the text name?
+ praise, a treat or a game
- a treat, a walk or a toy
- praise, a toy or a stroke
- a walk, a game or a treat

How often does the text say a short coat should still be brushed?
- every day
- twice a week
+ once a week
- once a month

Which signs of trouble does the text tell owners to watch for?
- coughing, scratching or shaking
- panting, drinking a lot or hiding
- sneezing, whining or losing fur
+ not eating, limping or being very tired

Which three things does the last sentence say a dog will repay you for?
- time, money and patience
+ care, kindness and a little routine
- company, play and rest
- food, exercise and some training
